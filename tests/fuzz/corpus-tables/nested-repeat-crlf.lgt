# counting
CLK | Q   # the columns
@limit 50
@repeat 2
c | a
@repeat 2
0 1
@end
@end
@passes 7
x | X
