# A new evolution game: its layout, joker stock and clock, then the 60-second
# joker-time window running out.
start
key Inicio "q"
menu Form1.evolution
expect Form1.width = 7965
expect Form1.minuto.left = 6765
# Seven words at level 1: 25 seconds each.
expect Form1.num_palabras = 6
expect Form1.minuto.text = "02"
expect Form1.segundo.text = "55"
expect Form1.evolution_timer.enabled = true
# The words are hidden; the first is given as an example.
expect Form1.resultado(0).visible = false
expect Form1.ejemplo2.text != ""
expect Form1.ejemplo2.text != "PALABRA1"
# One joker of every kind, each button ready.
expect state.comodines = [0, 1, 1, 1, 1, 1, 1, 1, 1, 0]
expect state.sin_comodines = true
# The buttons stand one above the other down the frame.
expect Form1.mostrar.top = 360
expect Form1.finalizar.top = 3360
expect Form1.Label2.text = "60"
sounds

# The joker-time window counts down beside the clock.
wait 1000
expect Form1.Label2.text = "59"
expect Form1.segundo.text = "54"
expect state.segundos_partida = 1
wait 58000
expect Form1.Label2.text = "01"
sounds
wait 1000
expect Form1.dentro_seg = 0
expect Form1.segundos60.enabled = false
expect Form1.segundo.text = "55"
# sin_comodin plays once, on the 60th tick, and never before.
#@output matches "value":\[\]}.*"value":\[\]}.*"value":\[{"name":"sin_comodin","time":60000}\]}
sounds
wait 5000
expect Form1.Label2.visible = false
expect state.segundos_partida = 65
