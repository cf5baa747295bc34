# The 4-bit adder: S = A + B + CI shown as a hex digit, the carry out on lamp C4.
# Bits are written lowest first: A0 A1 A2 A3, then B0 B1 B2 B3.
A0=A0 A1=A1 A2=A2 A3=A3 B0=B0 B1=B1 B2=B2 B3=B3 CI=CI | S=S C4=C4
0 0 0 0  0 0 0 0  0 | 0 0    # 0 + 0
1 0 0 0  1 0 0 0  0 | 2 0    # 1 + 1
1 1 0 0  1 0 0 0  0 | 4 0    # 3 + 1
1 1 1 0  1 0 0 0  0 | 8 0    # 7 + 1
1 0 1 0  0 1 0 1  0 | F 0    # 5 + A
0 0 0 1  0 0 0 1  0 | 0 1    # 8 + 8
1 1 1 1  1 0 0 0  0 | 0 1    # F + 1
1 1 1 1  1 1 1 1  1 | F 1    # F + F + 1
0 0 0 0  0 0 0 0  1 | 1 0    # 0 + 0 + 1
1 1 0 1  1 0 1 0  X | X 1    # B + 5 carries whatever CI is
