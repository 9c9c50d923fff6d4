# A level passed, then Guardar during the next one: the file holds the
# progress between levels, and saving does not enable Cargar.
start
key Inicio "q"
expect Form1.cargame.enabled = false
menu Form1.evolution
wait 5000
clickword 0
clickword 1
clickword 2
clickword 3
clickword 4
clickword 5
clickword 6
wait 4300
click Form4.Command2
expect Form1.caption = "Quenza Evolution---->Nivel 2"
menu Form1.guardame
expect Form1.cargame.enabled = false
# Nothing changes on screen, and the game goes on.
wait 1000
expect Form1.segundo.text = "54"
# A traditional game disables both entries; the next level start finds the file.
menu Form1.tradicional
expect Form1.guardame.enabled = false
expect Form1.cargame.enabled = false
menu Form1.evolution
expect Form1.cargame.enabled = true
expect Form1.guardado = true
#@file file03.sop matches ^2\r\n[0-9]+\r\n[0-9]+\r\n[0-9]+\r\n[0-9]+\r\n[0-9]+\r\n[0-9]+\r\n[0-9]+\r\n1\r\n1\r\n1\r\n(#FALSE#\r\n)+1\r\n1\r\n70\r\n9\r\n#FALSE#\r\n$
