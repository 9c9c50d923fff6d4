# An empty theme file starts (there is nothing to log), but a game cannot be
# built from it: the player is told and the game ends.
start
key Inicio "x"
expect Form1.sopas = 0
menu Form1.tradicional
expect MsgBox.text ~ "vacío"
click MsgBox.OK
