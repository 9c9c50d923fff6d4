# What a screen reader hears: the window, the grid, the counter and the clock
# of a traditional game, then a joker button's stock in an evolution game.
start
key Inicio "q"
menu Form1.tradicional
expect Form1.accessibleName = "Quenza Tradicional"
expect Form1.accessibleDescription ~ "Sopa de letras"
expect Form1.numero.accessibleName = "Quedan 3 palabras"
expect Form1.Label1(1).accessibleName ~ "Fila 1, columna 1: "
wait 3000
expect Form1.minuto.accessibleName = "Tiempo: 00:03"
clickword 0
# With this seed the first word starts at the top-left corner.
expect Form1.Label1(1).accessibleName = "Fila 1, columna 1: encontrada"
expect Form1.numero.accessibleName = "Quedan 2 palabras"
clickword 1 reverse
expect Form1.numero.accessibleName = "Queda 1 palabra"

menu Form1.evolution
expect Form1.accessibleName ~ "Nivel 1"
expect Form1.mostrar.accessibleName = "Mostrar: queda 1"
click Form1.mostrar
expect Form1.mostrar.accessibleName = "Mostrar: quedan 0"
expect Form1.c1.accessibleName = "Mostrar: 50 segundos"
wait 1000
expect Form1.c1.accessibleName = "Mostrar: 49 segundos"
