@limit 5
A | S
