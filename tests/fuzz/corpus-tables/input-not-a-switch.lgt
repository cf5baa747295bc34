TNot1 | TLED2
0 | 1
