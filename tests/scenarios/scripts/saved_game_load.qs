# A game saved by an earlier run: Cargar restores level, score, stock and game
# time, consumes the file and starts the saved level with a new board.
start
key Inicio "q"
expect Form1.guardado = true
expect Form1.cargame.enabled = true
menu Form1.cargame
expect Form1.caption = "Quenza Evolution---->Nivel 4"
expect Form1.modo_juego = 2
expect Form1.puntuacion2.text = "-40"
expect state.nivel_actual = 4
expect state.puntuacion = -40
expect state.segundos_partida = 500
expect state.comodines(1) = 3
expect state.comodines(8) = 2
expect state.comodin_usado(1) = true
expect state.comodin_usado(2) = false
expect state.racha_sin_comodines = 3
expect state.racha_sin_finalizar = 2
expect Form4.extra1 = 2
expect Form4.extra2 = 1
expect Form1.comodin1.text = "3"
expect Form1.comodin2.text = "0"
expect Form1.comodin5.text = "5"
expect Form1.mostrar.enabled = true
expect Form1.mostrar3.enabled = false
# The file is gone, so the level start disabled Cargar.
expect Form1.cargame.enabled = false
expect Form1.guardame.enabled = true
expect Form1.Label2.text = "60"
wait 1000
expect state.segundos_partida = 501
#@file file03.sop missing
