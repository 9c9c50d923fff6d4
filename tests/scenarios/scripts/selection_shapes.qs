# The shapes a selection can take, previewed by the pointer and built by the
# second click.
start
key Inicio " "
menu Form1.tradicional
expect Form1.caption = "Quenza Tradicional"
expect Form1.Frame1.text = "Encuentre las palabras"
expect Form1.guardame.enabled = false
expect Form1.cargame.enabled = false

# Horizontal, left to right: 14 to 18.
click Form1.Label1(14)
expect Form1.celda_inicio = 14
move Form1.Label1(18)
expect Form1.direccion_seleccion = "horizontal"
expect Form1.Label1(14).backColor = "0xFF8080"
expect Form1.Label1(16).backColor = "0xFF8080"
expect Form1.Label1(18).backColor = "0xFF8080"
expect Form1.Label1(19).backColor = "0xFFC0C0"
expect Form1.Label1(26).backColor = "0xFFC0C0"
click Form1.Label1(18)
expect Form1.celda_inicio = 0
expect state.celdas_seleccion = [0, 0, 0, 0, 0, 14, 15, 16, 17, 18]
# The line keeps its colour until the pointer moves again.
expect Form1.Label1(16).backColor = "0xFF8080"
move Form1.Label1(30)
expect Form1.Label1(16).backColor = "0xFFC0C0"

# Vertical, upwards: 40 to 4.
click Form1.Label1(40)
move Form1.Label1(4)
expect Form1.direccion_seleccion = "vertical"
expect Form1.Label1(28).backColor = "0xFF8080"
expect Form1.Label1(52).backColor = "0xFFC0C0"
click Form1.Label1(4)
expect state.celdas_seleccion = [0, 0, 0, 0, 0, 0, 4, 16, 28, 40]

# Diagonal down-right and down-left.
click Form1.Label1(1)
move Form1.Label1(40)
expect Form1.direccion_seleccion = "diagonal"
expect Form1.Label1(27).backColor = "0xFF8080"
click Form1.Label1(40)
expect state.celdas_seleccion = [0, 0, 0, 0, 0, 0, 1, 14, 27, 40]
click Form1.Label1(12)
move Form1.Label1(45)
click Form1.Label1(45)
expect state.celdas_seleccion = [0, 0, 0, 0, 0, 0, 12, 23, 34, 45]

# A knight's move selects nothing.
click Form1.Label1(1)
move Form1.Label1(15)
expect Form1.direccion_seleccion = "ninguna"
expect Form1.Label1(1).backColor = "0xFF8080"
expect Form1.Label1(15).backColor = "0xFFC0C0"
click Form1.Label1(15)
expect Form1.celda_inicio = 0
expect state.celdas_seleccion = [0, 0, 0, 0, 0, 0, 0, 0, 0, 0]

# The start cell alone reads as a diagonal; clicking it again cancels.
click Form1.Label1(5)
move Form1.Label1(5)
expect Form1.direccion_seleccion = "diagonal"
expect Form1.Label1(5).backColor = "0xFF8080"
expect Form1.Label1(6).backColor = "0xFFC0C0"
click Form1.Label1(5)
expect Form1.celda_inicio = 0
expect Form1.celda_fin = 0
move Form1.Label1(7)
expect Form1.Label1(5).backColor = "0xFFC0C0"
