A B | S
0 | 1 1
