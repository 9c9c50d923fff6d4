# The rankings viewer over two 20-line rankings: 15 rows of each, the views
# switched from its menu, its tunes, and the game paused behind it. Then the
# sound switched off: nothing plays, not even the viewer's silence.
start
key Inicio "q"
menu Form1.tradicional
wait 3000
sounds
menu Form1.rankings
expect Form7.caption = "Rankings - Evolution"
expect Form7.nombre(0).text = "Jugador 1"
expect Form7.columna4(0).text = "1000"
expect Form7.tiempo(14).text = "24:19"
expect Form7.nombre(0).foreColor = "0xFFFFFF"
# Spot checks of the table: rows in colour groups of 1, 2, 2, 5 and 5, every
# cell on its row.
expect Form7.posicion(0).backColor = "0x000080"
expect Form7.fecha(5).backColor = "0x8080FF"
expect Form7.fecha(14).top = 3600
# Typing into a cell changes nothing.
key Form7.nombre(3) "zzz"
expect Form7.nombre(3).text = "Jugador 4"
# The game waits behind the viewer.
wait 5000
expect Form1.segundo.text = "03"
menu Form7.tradi
wait 50
expect Form7.caption ~ "Tradicional"
expect Form7.nombre(14).text = "Rapido 15"
expect Form7.fecha(14).left = 5640
#@output matches "name":"wmpaud5","time":3001\},\{"name":"wmpaud5","time":6881\},\{"name":"wmpaud2","time":8001\}
sounds
close Form7
#@output matches \[\{"name":"silencio","time":8050\}\]
sounds
wait 1000
expect Form1.segundo.text = "04"

# In an evolution game the clock and the joker-time window wait behind the
# viewer too, while the game time goes on.
menu Form1.evolution
wait 2000
menu Form1.rankings
wait 3000
expect state.segundos_partida = 5
close Form7
expect Form1.Timer1.enabled = true
expect Form1.segundos60.enabled = true

# Switched off: no word found, no viewer, no level complete is heard; back
# on, the next word rings.
menu Form1.sin_sonido
expect state.sonido = "off"
sounds
clickword 0
menu Form1.rankings
wait 4000
close Form7
clickword 1 2 3 4 5 6
wait 4300
click Form4.Command2
sounds
menu Form1.con_sonido
menu Form1.con_sonido
expect Form1.con_sonido.checked = true
clickword 0
#@output matches "value":\[\]\}[^v]*"value":\[\{"name":"ding","time":[0-9]+\},\{"name":"ding","time":[0-9]+\}\]
sounds
