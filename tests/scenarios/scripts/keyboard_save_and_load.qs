# Ctrl+O loads the saved game when Cargar is enabled; Ctrl+S saves it again,
# byte for byte as the older Windows install wrote it.
start
keys Inicio Space
expect Form1.cargame.enabled = true
keys Form1 Ctrl+O
expect Form1.caption = "Quenza Evolution---->Nivel 4"
expect state.puntuacion = -40
expect Form1.guardame.enabled = true
keys Form1 Ctrl+S
#@file file03.sop matches ^4\r\n3\r\n0\r\n2\r\n1\r\n5\r\n1\r\n0\r\n2\r\n2\r\n1\r\n#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n3\r\n2\r\n-40\r\n500\r\n#FALSE#\r\n$
