# With the sound switched off nothing plays: not the words found, not the
# evolution sounds, not even the viewer's silence.
start
key Inicio "q"
menu Form1.sin_sonido
expect Form1.sin_sonido.checked = true
expect Form1.con_sonido.checked = false
expect state.sonido = "off"
menu Form1.evolution
clickword 0
wait 60000
menu Form1.rankings
wait 4000
close Form7
clickword 1
clickword 2
clickword 3
clickword 4
clickword 5
clickword 6
wait 4300
click Form4.Command2
#@output matches "value":\[\]\}.*"value":\[\{"name":"ding"
sounds
menu Form1.con_sonido
menu Form1.con_sonido
expect Form1.con_sonido.checked = true
expect Form1.sin_sonido.checked = false
expect state.sonido = "on"
clickword 0
sounds
