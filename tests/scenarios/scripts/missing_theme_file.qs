# Without its theme file the game says so and ends.
start
key Inicio "x"
expect MsgBox.shown = true
expect MsgBox.text ~ "temas.tem"
expect Form1.shown = false
click MsgBox.OK
