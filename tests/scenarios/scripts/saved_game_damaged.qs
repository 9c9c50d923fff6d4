# A saved game cut short is refused: the player is told, the file stays as it
# was and nothing of the game changes.
start
key Inicio "q"
menu Form1.cargame
expect MsgBox.text = "No se puede leer la partida guardada."
click MsgBox.OK
expect Form1.modo_juego = 0
expect Form1.cargame.enabled = true
#@file file03.sop matches ^4\r\n3\r\n0\r\n2\r\n1\r\n$
# Refused in the middle of a level: the clock and the joker-time window wait
# while the message is read.
menu Form1.evolution
wait 2000
expect Form1.segundo.text = "53"
menu Form1.cargame
wait 5000
expect Form1.segundo.text = "53"
expect Form1.Label2.text = "58"
click MsgBox.OK
wait 1000
expect Form1.segundo.text = "52"
expect Form1.Label2.text = "57"
