# The free-running counter: a pulse generator toggles every 11 passes and never
# settles, so every row runs a fixed number of passes. A full clock period is 22
# passes; the first row ends at pass 22 (the start runs pass 1).
| Q0=TTFF1.3 Q1=TTFF2.3 Q2=TTFF3.3
@passes 21
| 0 0 1
@passes 22
@repeat 2
| 1 0 1
| 0 1 1
| 1 1 1
| 0 0 0
| 1 0 0
| 0 1 0
| 1 1 0
| 0 0 1
@end
