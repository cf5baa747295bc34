A | S
@repeat 3
0 | 0
