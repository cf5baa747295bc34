A B= | S
