# A new evolution game: its captions, layout, joker stock and clock, then the
# 60-second joker-time window running out.
start
key Inicio "q"
menu Form1.evolution
expect Form1.caption = "Quenza Evolution---->Nivel 1"
expect Form1.modo_juego = 2
expect Form1.width = 7965
expect Form1.stop_pict.left = 6240
expect Form1.minuto.left = 6765
expect Form1.Label6.left = 7200
expect Form1.segundo.left = 7320
expect Form1.Comodines.visible = true
expect Form1.Frame1.text = "Palabras encontradas"
expect Form1.puntuacion1.visible = true
expect Form1.puntuacion2.text = "0"
expect Form1.guardame.enabled = true
expect Form1.cargame.enabled = false
# Seven words at level 1: 25 seconds each.
expect Form1.num_palabras = 6
expect Form1.minuto.text = "02"
expect Form1.segundo.text = "55"
expect Form1.Timer1.enabled = true
expect Form1.evolution_timer.enabled = true
# The words are hidden; the first is given as an example.
expect Form1.resultado(0).visible = false
expect Form1.resultado(6).visible = false
expect Form1.ejemplo1.visible = true
expect Form1.ejemplo1.text = "Ejemplo:"
expect Form1.ejemplo2.visible = true
expect Form1.ejemplo2.text != ""
expect Form1.ejemplo2.text != "PALABRA1"
# One joker of every kind, each button ready.
expect state.nivel_actual = 1
expect state.puntuacion = 0
expect state.segundos_partida = 0
expect state.comodines(1) = 1
expect state.comodines(8) = 1
expect state.sin_comodines = true
expect Form1.comodin1.text = "1"
expect Form1.comodin6.text = "1"
expect Form1.mostrar.enabled = true
expect Form1.mostrar3.enabled = true
expect Form1.borrar.enabled = true
expect Form1.scanner.enabled = true
expect Form1.tiempo.enabled = true
expect Form1.finalizar.enabled = true
expect Form1.c1.visible = false
# The buttons stand one above the other down the frame.
expect Form1.mostrar.top = 360
expect Form1.mostrar.left = 360
expect Form1.finalizar.top = 3360
expect Form1.mostrar.toolTip = "Muestra las palabras a encontrar (50segs)"
expect Form1.borrar.toolTip = "Oculta 40 letras (45 segs)"
expect Form1.Label3.text = "Tiempo Comodín:"
expect Form1.Label2.visible = true
expect Form1.Label2.text = "60"
expect Form1.dentro_seg = 60
sounds

# The joker-time window counts down beside the clock.
wait 1000
expect Form1.Label2.text = "59"
expect Form1.minuto.text = "02"
expect Form1.segundo.text = "54"
expect state.segundos_partida = 1
wait 50000
expect Form1.Label2.text = "09"
expect Form1.dentro_seg = 9
expect Form1.Label2.visible = true
wait 8000
expect Form1.Label2.text = "01"
sounds
wait 1000
expect Form1.dentro_seg = 0
expect Form1.Label2.visible = false
expect Form1.Label3.visible = false
expect Form1.segundos60.enabled = false
expect Form1.minuto.text = "01"
expect Form1.segundo.text = "55"
# sin_comodin plays once, on the 60th tick, and never before.
#@output matches "value":\[\]}.*"value":\[\]}.*"value":\[{"name":"sin_comodin","time":60000}\]}
sounds
wait 5000
expect Form1.Label2.visible = false
expect state.segundos_partida = 65
expect Form1.Label3.toolTip = "Termina antes de 60 segundos y obtendras un comodin extra"
