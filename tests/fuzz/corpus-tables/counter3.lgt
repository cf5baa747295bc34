# The 3-bit counter: each click of the push button CLK counts one up, RST clears.
# C presses the button, lets the circuit settle, and releases it.
CLK=CLK RST=RST | Q0=Q0 Q1=Q1 Q2=Q2
0 C | 0 0 0
# Twice round the eight counts: the counter wraps from 7 to 0.
@repeat 2
C 0 | 1 0 0
C 0 | 0 1 0
C 0 | 1 1 0
C 0 | 0 0 1
C 0 | 1 0 1
C 0 | 0 1 1
C 0 | 1 1 1
C 0 | 0 0 0
@end
# Clearing in the middle of a count.
C 0 | 1 0 0
C 0 | 0 1 0
0 C | 0 0 0
