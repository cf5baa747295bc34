A=TTglSW0	B=TTglSW1	|	S=TLED4	C=TLED5
0	0	|	0	0
1	1	|	0 	1	# the broken twin lights S
