# The count-down runs out: the siren at five seconds, the game-over dialog,
# the evolution ranking and the GAMEOVER board.
start
key Inicio "q"
menu Form1.evolution
wait 169000
expect Form1.minuto.text = "00"
expect Form1.segundo.text = "06"
sounds
wait 1000
expect Form1.segundo.text = "05"
#@output matches \[{"name":"sirena","time":170000}\]
sounds
wait 4000
expect Form1.segundo.text = "01"
expect Form5.loaded = false
wait 1000
expect Form1.segundo.text = "00"
expect Form1.shown = false
expect Form1.Timer1.enabled = false
expect Form1.evolution_timer.enabled = false
expect state.segundos_partida = 175
expect Form5.shown = true
expect Form5.caption = "Game over"
expect Form5.Label1.text = "Te has quedado sin tiempo."
expect Form5.Label3.text = "1"
expect Form5.Label6.text = "0"
expect Form5.Label4.text = "Has conseguido entrar en el ranking!!!"
expect Form5.Text1.text = "Player"
expect Form5.Picture1.visible = true
# The game time stays where it stopped while the dialog is open.
wait 3000
expect state.segundos_partida = 175
text Form5.Text1 "Ana"
click Form5.Picture1
expect Form5.Picture1.visible = false
expect Form5.Text1.visible = false
expect Form5.shown = true
#@file file04.sop matches ^1,0,175,"Ana",#2002-03-05#\r\n$
close Form5
expect Form5.loaded = false
expect Form1.shown = true
expect Form1.caption = " Game Over "
expect Form1.Titulo.text = " Game Over"
expect Form1.Label1(1).text = "G"
expect Form1.Label1(2).text = "A"
expect Form1.Label1(8).text = "R"
expect Form1.Label1(9).text = "."
expect Form1.Label1(133).text = "G"
expect Form1.Label1(144).text = "."
expect Form1.guardame.enabled = false
expect Form1.cargame.enabled = false
expect Form1.width = 6400
expect Form1.stop_pict.left = 4680
expect Form1.minuto.left = 5325
expect Form1.Label6.left = 5760
expect Form1.segundo.left = 5880
expect Form1.ejemplo1.visible = false
expect Form1.ejemplo2.visible = false
expect Form1.puntuacion1.visible = false
expect Form1.puntuacion2.visible = false
expect Form1.Timer1.enabled = false
expect state.racha_sin_comodines = 0
wait 5000
expect Form1.segundo.text = "00"
# A new game starts from the menu.
menu Form1.evolution
expect Form1.caption = "Quenza Evolution---->Nivel 1"
expect Form1.width = 7965
