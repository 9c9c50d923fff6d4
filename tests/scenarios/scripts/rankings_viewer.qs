# The rankings viewer over two 20-line rankings: 15 rows of each, the views
# switched from its menu, its tunes, and the game paused behind it.
start
key Inicio "q"
menu Form1.tradicional
wait 3000
expect Form1.segundo.text = "03"
sounds
menu Form1.rankings
expect Form7.shown = true
expect Form7.caption = "Rankings - Evolution"
expect Form1.enabled = false
expect Form1.Timer1.enabled = false
expect Form7.posicion(0).text = "       1"
expect Form7.nombre(0).text = "Jugador 1"
expect Form7.columna3(0).text = "30"
expect Form7.columna4(0).text = "1000"
expect Form7.nombre(14).text = "Jugador 15"
expect Form7.tiempo(14).text = "24:19"
expect Form7.fecha(14).text = "15-3-2002"
expect Form7.nombre(0).foreColor = "0xFFFFFF"
expect Form7.nombre(5).foreColor != "0xFFFFFF"
# Typing into a cell changes nothing.
key Form7.nombre(3) "zzz"
expect Form7.nombre(3).text = "Jugador 4"
# The game waits behind the viewer.
wait 5000
expect Form1.segundo.text = "03"
menu Form7.tradi
expect Form7.shown = false
wait 50
expect Form7.shown = true
expect Form7.caption ~ "Tradicional"
expect Form7.nombre(0).text = "Rapido 1"
expect Form7.nombre(14).text = "Rapido 15"
expect Form7.tiempo(0).text = "00:30"
expect Form7.t.enabled = true
expect Form7.E.enabled = false
#@output matches "name":"wmpaud5","time":3001\},\{"name":"wmpaud5","time":6881\},\{"name":"wmpaud2","time":8001\}
sounds
close Form7
expect Form7.loaded = false
expect Form1.enabled = true
expect Form1.Timer1.enabled = true
#@output matches \[\{"name":"silencio","time":8050\}\]
sounds
wait 1000
expect Form1.segundo.text = "04"
