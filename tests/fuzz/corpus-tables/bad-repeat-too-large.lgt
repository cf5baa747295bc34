A | S
@repeat 100000
0 | 0
1 | 1
@end
