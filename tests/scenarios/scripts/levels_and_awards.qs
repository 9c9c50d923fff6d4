# Two levels passed without jokers inside the joker-time window, each into
# the level-complete window with its awards; the second one sends Tiempo into
# the third level.
start
key Inicio "q"
menu Form1.evolution
wait 4000
clickword 0
clickword 1
clickword 2
clickword 3
clickword 4
clickword 5
expect Form1.shown = true
expect Form1.resultado(5).visible = true
clickword 6
expect Form1.shown = false
expect Form1.Timer1.enabled = false
expect Form1.segundos60.enabled = false
expect Form1.resultado(5).visible = false
expect Form4.shown = true
expect Form4.caption = "Limbo de Nivel"
expect Form4.nivel.text = "1"
expect Form4.Label2.text = "Has terminado el nivel "
# Ten points a word of the finished level.
expect state.puntuacion = 70
expect state.racha_sin_comodines = 1
expect Form4.valor = 0
expect Form4.Timer1.enabled = true
expect Form4.Picture1(0).visible = false
# The window grows open about the main window's centre, then hands out.
wait 300
expect Form4.Timer1.enabled = false
expect Form4.height = 5085
expect Form4.width = 4815
expect Form4.Picture1(0).visible = true
expect Form4.Picture1(0).toolTip = "Comodin ganado por haber pasado de nivel sin utilizar comodines"
expect Form4.Picture1(1).visible = true
expect Form4.Picture1(1).toolTip = "Comodín ganado por tiempo"
expect Form4.Picture1(2).visible = false
expect Form4.extra1 = 1
expect Form4.extra2 = 1
expect Form4.Timer7.enabled = true
expect Form4.Timer2.enabled = true
expect Form4.comodin1(8).text = "1"
expect Form4.Check1(6).enabled = false
#@output matches "name":"limbo"
sounds
wait 4000
expect Form4.Timer7.enabled = false
expect Form4.Timer2.enabled = false
expect state.segundos_partida = 8
click Form4.Command2
expect Form4.loaded = false
expect Form4.extra1 = 1
expect Form1.shown = true
expect Form1.caption = "Quenza Evolution---->Nivel 2"
expect state.nivel_actual = 2
expect state.direccion_unica = 0
expect Form1.puntuacion2.text = "70"
expect Form1.minuto.text = "02"
expect Form1.segundo.text = "55"
expect Form1.Label2.text = "60"
expect Form1.resultado(0).visible = false
expect Form1.Comodines.visible = true

# Level 2, and Tiempo ticked for level 3.
clickword 0
clickword 1
clickword 2
clickword 3
clickword 4
clickword 5
clickword 6
expect Form4.shown = true
expect state.puntuacion = 140
wait 4300
expect Form4.extra1 = 2
expect Form4.Check1(5).enabled = true
click Form4.Check1(5)
expect Form4.Check1(5).checked = true
move Form4.Comodines 100 100
expect Form4.valor = 5
click Form4.Command2
expect Form1.caption = "Quenza Evolution---->Nivel 3"
expect state.comodin_usado(5) = true
expect state.racha_sin_comodines = 0
expect state.sin_comodines = false
# The score shown is the one before Tiempo's cost.
expect Form1.puntuacion2.text = "140"
expect state.puntuacion = 130
# Seven words at level 3, doubled.
expect Form1.minuto.text = "05"
expect Form1.segundo.text = "50"
expect Form1.Timer1.enabled = true
wait 1000
expect Form1.segundo.text = "49"
