A=TTglSW0 | Y=TLED2
@limit 500
1 | 0
@passes 40
0 | 1
