# A saved game cut short is refused: the player is told, the file stays as it
# was and nothing of the game changes.
start
key Inicio "q"
expect Form1.cargame.enabled = true
menu Form1.cargame
expect MsgBox.shown = true
expect MsgBox.text = "No se puede leer la partida guardada."
click MsgBox.OK
expect Form1.shown = true
expect Form1.modo_juego = 0
expect Form1.cargame.enabled = true
expect state.nivel_actual = 1
#@file file03.sop matches ^4\r\n3\r\n0\r\n2\r\n1\r\n$
