# The count-down runs out: the siren at five seconds, the game-over dialog,
# the evolution ranking and the GAMEOVER board; a second game ends the same
# way, answered from the keyboard.
start
key Inicio "q"
menu Form1.evolution
wait 169000
sounds
wait 1000
expect Form1.segundo.text = "05"
#@output matches \[{"name":"sirena","time":170000}\]
sounds
wait 5000
expect Form1.segundo.text = "00"
expect Form5.Label3.text = "1"
expect Form5.Label4.text = "Has conseguido entrar en el ranking!!!"
expect Form5.Label4.fontBold = true
# The game time stays where it stopped while the dialog is open.
wait 3000
expect state.segundos_partida = 175
text Form5.Text1 "Ana"
click Form5.Picture1
expect Form5.Text1.visible = false
close Form5
expect Form1.caption = " Game Over "
expect Form1.Label1(1).text = "G"
expect Form1.Label1(144).text = "."
expect Form1.guardame.enabled = false
expect Form1.width = 6400
expect Form1.puntuacion1.visible = false
expect state.racha_sin_comodines = 0
wait 5000
expect Form1.segundo.text = "00"

# F3 starts a new game from the Game Over board; at its end Enter in the
# name box enters the ranking and Escape closes the dialog as its close box
# does.
keys Form1 F3
wait 175000
expect focus = "Form5.Text1"
keys Form5 Return
keys Form5 Escape
expect Form5.loaded = false
expect Form1.caption = " Game Over "
#@file file04.sop matches ^1,0,175,"Ana",#2002-03-05#\r\n1,0,175,"Player",#2002-03-05#\r\n$
