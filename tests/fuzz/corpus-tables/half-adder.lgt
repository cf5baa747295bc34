# The half adder: switches A and B, the sum lamp S and the carry lamp C.
# Each row sets both switches (clicking those that differ), runs until a pass
# changes nothing, then reads the lamps.
A=TTglSW0 B=TTglSW1 | S=TLED4 C=TLED5
0 0 | 0 0
0 1 | 1 0
1 0 | 1 0
1 1 | 0 1
