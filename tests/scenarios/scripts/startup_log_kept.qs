# 25 themes and 15 logged leave 10 unplayed: the log stays; a saved game
# enables "Cargar". The splash also closes on a click on its free area.
start
click Inicio.Frame1 3000 3700
expect Form1.sopas = 25
expect Form1.sopas_jugadas(14) = 15
expect Form1.sopas_jugadas(15) = 0
expect Form1.guardado = true
expect Form1.cargame.enabled = true
# A new game picks one of the ten unplayed themes and logs it.
menu Form1.tradicional
expect Form1.sopas_jugadas(15) >= 16
expect Form1.cargame.enabled = false
#@file file01.sop matches ^1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n13\r\n14\r\n15\r\n(1[6-9]|2[0-5])\r\n$
