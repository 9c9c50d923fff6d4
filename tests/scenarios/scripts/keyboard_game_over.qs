# The game-over dialog answered from the keyboard: Enter in the name box
# enters the ranking, Escape closes the dialog as its close box does.
start
keys Inicio Space
keys Form1 F3
wait 175000
expect Form5.shown = true
expect Form5.Text1.visible = true
expect focus = "Form5.Text1"
keys Form5 Return
expect Form5.Text1.visible = false
expect Form5.shown = true
keys Form5 Escape
expect Form5.loaded = false
expect Form1.shown = true
expect Form1.caption = " Game Over "
expect Form1.Label1(1).text = "G"
# F3 starts a new game from the Game Over board.
keys Form1 F3
expect Form1.caption = "Quenza Evolution---->Nivel 1"
#@file file04.sop matches ^1,0,175,"Player",#2002-03-05#\r\n$
