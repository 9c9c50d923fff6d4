# A selection previewed by the pointer and built by the second click, as the
# grid shows it; which shapes a line may take, and cancelling one, are the
# selection's own test.
start
key Inicio " "
menu Form1.tradicional

# Vertical, upwards: 40 to 4, previewed dark over the light grid.
click Form1.Label1(40)
move Form1.Label1(4)
expect Form1.direccion_seleccion = "vertical"
expect Form1.Label1(40).backColor = "0xFF8080"
expect Form1.Label1(4).backColor = "0xFF8080"
click Form1.Label1(4)
expect Form1.celda_inicio = 0
expect state.celdas_seleccion = [0, 0, 0, 0, 0, 0, 4, 16, 28, 40]
# The line keeps its colour until the pointer moves again.
expect Form1.Label1(16).backColor = "0xFF8080"
move Form1.Label1(30)
expect Form1.Label1(16).backColor = "0xFFC0C0"
