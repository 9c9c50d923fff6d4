# Every joker of the frame pressed during a level: its cost, its countdown,
# its effect and its end.
start
key Inicio "q"
menu Form1.evolution
clickword 1 2 3

# Mostrar: the list shows the words still to find for 50 seconds.
click Form1.mostrar
expect state.puntuacion = -20
expect state.comodin_usado(1) = true
expect Form1.c1.text = "50"
expect Form1.resultado(0).visible = true
expect Form1.resultado(1).visible = false
# The score label shows the score of the level start only.
expect Form1.puntuacion2.text = "0"
wait 41000
expect Form1.c1.text = "09"
# A word found meanwhile leaves the list.
clickword 4
expect Form1.resultado(4).visible = false
wait 9000
expect Form1.c1.visible = false
expect Form1.Frame1.text = "Palabras encontradas"
expect Form1.resultado(0).visible = false
expect Form1.resultado(4).visible = true
expect Form1.mostrar3.enabled = true
# Its stock spent, Mostrar stays off once its time is over.
expect Form1.mostrar.enabled = false

# Mostrar3: the first letters of the words still hidden, for 60 seconds.
click Form1.mostrar3
expect state.puntuacion = -40
expect Form1.c2.text = "60"
expect Form1.res3(0).visible = true
wait 60000
expect Form1.res3(0).visible = false
expect Form1.c2.visible = false

# Eliminar hides filler letters only, and shows them again after 45 seconds.
click Form1.borrar
expect state.puntuacion = -60
expect Form1.celdas_borradas(45) > 0
expect Form1.celdas_borradas(46) = 0
wait 45000
expect Form1.c3.visible = false
