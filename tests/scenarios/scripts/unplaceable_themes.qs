# A theme library in which no line gives a single word on the board ends like
# an empty one, in either mode, instead of a board with nothing to find.
start
key Inicio "x"
expect Form1.sopas = 3
menu Form1.evolution
expect MsgBox.text ~ "vacío"
click MsgBox.OK
