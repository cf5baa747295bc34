A=TTglSW0	|	Y=TLED2	N=TNot1.1
	1	|	1		0	# the lamp is dark
