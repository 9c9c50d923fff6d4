# Eliminar, Visor and Tiempo act on the board and the clock; Finalizar ends
# the level at once.
start
key Inicio "q"
menu Form1.evolution
expect Form1.minuto.text = "02"
expect Form1.segundo.text = "55"

# Eliminar hides filler letters only, and shows them again after 45 seconds.
click Form1.borrar
expect state.puntuacion = -20
expect Form1.c3.text = "45"
expect Form1.celdas_borradas(0) > 0
expect Form1.celdas_borradas(45) > 0
expect Form1.celdas_borradas(46) = 0

# Tiempo holds the count-down; the joker window and the game time go on.
click Form1.tiempo
expect state.puntuacion = -30
expect Form1.Timer1.enabled = false
expect Form1.stop1.enabled = true
expect Form1.c5.visible = true
expect Form1.stop_pict.visible = false
wait 500
expect Form1.stop_pict.visible = false
wait 500
expect Form1.stop_pict.visible = true
wait 9000
expect Form1.minuto.text = "02"
expect Form1.segundo.text = "55"
expect Form1.Label2.text = "50"
expect state.segundos_partida = 10
expect Form1.c5.text = "50"
expect Form1.c3.text = "35"

# Visor frames the letters of words under the pointer for 30 seconds.
click Form1.scanner
expect state.puntuacion = -60
expect Form1.visor = true
expect Form1.Shape3.visible = true
expect Form1.scanner.enabled = false
wait 30000
expect Form1.visor = false
expect Form1.Shape3.visible = false
expect Form1.c4.visible = false
expect Form1.c4.text = "30"
expect Form1.c3.text = "05"
wait 5000
expect Form1.c3.visible = false
expect Form1.tcomodin3.enabled = false
wait 15000
# The clock resumes where it stopped, the stop sign gone.
expect Form1.Timer1.enabled = true
expect Form1.stop1.enabled = false
expect Form1.stop2.enabled = false
expect Form1.stop_pict.visible = false
expect Form1.c5.visible = false
expect Form1.c5.text = "60"
expect Form1.minuto.text = "02"
expect Form1.segundo.text = "55"
wait 1000
expect Form1.segundo.text = "54"

# Finalizar passes the level with words still hidden.
click Form1.finalizar
# -60 so far, -50 for Finalizar, +70 for the seven words of the level.
expect state.puntuacion = -40
expect state.sin_finalizar = false
expect state.racha_sin_finalizar = 1
expect Form1.shown = false
expect Form1.Timer1.enabled = false
expect Form1.segundos60.enabled = false
expect Form1.evolution_timer.enabled = true
expect Form4.shown = true
