# Two levels passed without jokers inside the joker-time window, each into
# the level-complete window with its awards; the second one sends Tiempo into
# the third level. Guardar during the second level: the file holds the progress
# between levels, and saving does not enable Cargar.
start
key Inicio "q"
menu Form1.evolution
wait 4000
clickword 0 1 2 3 4 5 6
expect Form1.segundos60.enabled = false
# Ten points a word of the finished level.
expect state.puntuacion = 70
expect state.racha_sin_comodines = 1
# The window grows open, then hands out the awards.
wait 300
expect Form4.Picture1(0).visible = true
expect Form4.Picture1(1).visible = true
expect Form4.Picture1(2).visible = false
expect Form4.extra1 = 1
expect Form4.extra2 = 1
expect Form4.Check1(6).enabled = false
#@output matches "name":"limbo"
sounds
wait 4000
expect state.segundos_partida = 8
click Form4.Command2
expect Form4.extra1 = 1
expect Form1.caption = "Quenza Evolution---->Nivel 2"
expect state.direccion_unica = 0
expect Form1.puntuacion2.text = "70"
expect Form1.segundo.text = "55"
menu Form1.guardame
expect Form1.cargame.enabled = false
# Nothing changes on screen, and the game goes on.
wait 1000
expect Form1.segundo.text = "54"

# Level 2, and Tiempo ticked for level 3.
clickword 0 1 2 3 4 5 6
expect state.puntuacion = 140
wait 4300
expect Form4.extra1 = 2
expect Form4.Check1(5).enabled = true
# Nothing is drawn before Suerte is played; the last box is chosen like the
# others.
expect Form4.sorteado = [null, 0, 0, 0, 0, 0, 0, 0, null]
click Form4.Check1(7)
move Form4.Comodines 100 100
expect Form4.valor = 7
click Form4.Check1(5)
move Form4.Comodines 100 100
expect Form4.valor = 5
click Form4.Command2
expect Form1.caption = "Quenza Evolution---->Nivel 3"
expect state.comodin_usado(5) = true
expect state.racha_sin_comodines = 0
# The score shown is the one before Tiempo's cost.
expect Form1.puntuacion2.text = "140"
expect state.puntuacion = 130
# Seven words at level 3, doubled.
expect Form1.segundo.text = "50"
wait 1000
expect Form1.segundo.text = "49"

# A traditional game disables both entries; the next level start finds the file.
menu Form1.tradicional
expect Form1.guardame.enabled = false
expect Form1.cargame.enabled = false
menu Form1.evolution
expect Form1.cargame.enabled = true
expect Form1.guardado = true
#@file file03.sop matches ^2\r\n[0-9]+\r\n[0-9]+\r\n[0-9]+\r\n[0-9]+\r\n[0-9]+\r\n[0-9]+\r\n[0-9]+\r\n1\r\n1\r\n1\r\n(#FALSE#\r\n)+1\r\n1\r\n70\r\n8\r\n#FALSE#\r\n$
