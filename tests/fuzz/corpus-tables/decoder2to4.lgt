# The 2-to-4 decoder: exactly the lamp Yn of the code n = 2B + A lights.
# Columns are found by the labels written beside the switches and lamps.
A=A B=B | Y0=Y0 Y1=Y1 Y2=Y2 Y3=Y3
0 0 | 1 0 0 0
1 0 | 0 1 0 0
0 1 | 0 0 1 0
1 1 | 0 0 0 1
# Back down, so that every lamp is seen going dark as well.
0 1 | 0 0 1 0
0 0 | 1 0 0 0
