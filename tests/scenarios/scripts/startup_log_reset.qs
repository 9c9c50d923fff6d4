# 25 themes and 16 logged leave 9 unplayed: start-up empties the log.
start
# A click on the name or the logo does not leave the splash.
click Inicio.lblProductName
click Inicio.imgLogo
key Inicio "x"
expect Inicio.loaded = false
expect Form1.shown = true
expect Form1.caption = "Quenza -Zaviv oz Udiruv-"
expect Form1.sopas_jugadas(0) = 0
expect Form1.width = 6480
expect Form1.cargame.enabled = false
# No game yet: the clock does not move.
wait 3000
expect Form1.segundo.text = "00"
#@file file01.sop matches ^$
