# Tiempo and Visor act on the clock and the board; Finalizar ends the level
# at once.
start
key Inicio "q"
menu Form1.evolution

# Tiempo holds the count-down; the joker window and the game time go on.
click Form1.tiempo
expect state.puntuacion = -10
expect Form1.stop_pict.visible = false
wait 1000
expect Form1.stop_pict.visible = true
wait 9000
expect Form1.segundo.text = "55"
expect Form1.Label2.text = "50"
expect state.segundos_partida = 10
expect Form1.c5.text = "50"

# Visor frames the letters of words under the pointer for 30 seconds.
click Form1.scanner
expect state.puntuacion = -40
expect Form1.Shape3.visible = true
wait 30000
expect Form1.visor = false
expect Form1.c4.visible = false
wait 20000
# The clock resumes where it stopped, the stop sign gone.
expect Form1.stop_pict.visible = false
expect Form1.segundo.text = "55"
wait 1000
expect Form1.segundo.text = "54"

# Finalizar passes the level with words still hidden.
click Form1.finalizar
# -40 so far, -50 for Finalizar, +70 for the seven words of the level.
expect state.puntuacion = -20
expect state.sin_finalizar = false
expect state.racha_sin_finalizar = 1
expect Form1.segundos60.enabled = false
expect Form4.shown = true
