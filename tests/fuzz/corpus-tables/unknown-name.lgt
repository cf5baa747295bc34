A=Nowhere | Y=TLED2
0 | 1
