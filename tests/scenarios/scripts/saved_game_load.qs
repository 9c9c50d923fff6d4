# A game saved by an earlier run: Ctrl+O (Cargar) restores level, score,
# stock and game time, consumes the file and starts the saved level with a
# new board; Ctrl+S (Guardar) saves it again byte for byte as the older
# Windows install wrote it, every restored value included.
start
key Inicio "q"
keys Form1 Ctrl+O
expect Form1.caption = "Quenza Evolution---->Nivel 4"
expect Form1.puntuacion2.text = "-40"
expect state.segundos_partida = 500
expect Form4.extra1 = 2
expect Form1.comodin1.text = "3"
expect Form1.comodin5.text = "5"
expect Form1.mostrar3.enabled = false
# The file is gone, so the level start disabled Cargar.
expect Form1.cargame.enabled = false
expect Form1.Label2.text = "60"
keys Form1 Ctrl+S
wait 1000
expect state.segundos_partida = 501
#@file file03.sop matches ^4\r\n3\r\n0\r\n2\r\n1\r\n5\r\n1\r\n0\r\n2\r\n2\r\n1\r\n#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n3\r\n2\r\n-40\r\n500\r\n#FALSE#\r\n$
