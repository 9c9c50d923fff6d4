# The main window's menu entries have keys; a disabled entry ignores its key
# as it ignores a click. The secondary windows close with Escape.
start
keys Inicio Space
# No saved game: Cargar is disabled and so is Ctrl+O.
keys Form1 Ctrl+O
expect Form1.modo_juego = 0
keys Form1 F2
expect Form1.modo_juego = 1
# Guardar is disabled in a traditional game: Ctrl+S writes nothing (checked
# on the data folder at the end).
keys Form1 Ctrl+S
keys Form1 F3
expect Form1.modo_juego = 2

# F1: the help beside the main window; Escape puts it away.
keys Form1 F1
expect Form6.Frame1.text = "Como se juega - Modo Evolution -"
keys Form6 Escape
expect Form6.shown = false

# Ctrl+R: the rankings viewer, the game paused behind it; the arrows switch
# its views, Escape closes it.
keys Form1 Ctrl+R
expect Form1.enabled = false
# Its first tune starts 1 ms after the opening.
wait 10
keys Form7 Right
wait 50
expect Form7.caption = "Rankings - Tradicional"
# A cell holding the focus keeps neither arrow for itself.
click Form7.nombre(2)
expect focus = "Form7.nombre(2)"
# Tab reads a row's cells in the order its columns stand: time before words here.
keys Form7 Tab
expect focus = "Form7.tiempo(2)"
keys Form7 Tab Tab Tab Tab
expect focus = "Form7.posicion(3)"
keys Form7 Left
wait 50
expect Form7.caption = "Rankings - Evolution"
click Form7.nombre(2)
keys Form7 Tab
expect focus = "Form7.columna3(2)"
keys Form7 Escape
expect Form7.loaded = false
expect Form1.enabled = true

# The about window has no key of its own; Escape closes it as "OK" does.
# It opens on "OK"; Tab reaches its links, Enter or Space follows one.
menu Form1.acerca
expect focus = "form8.cmdOK"
keys form8 Tab
expect focus = "form8.weblink"
keys form8 Return Tab space
#@output matches \["https://[^"]+","mailto:[^"@]+@[^"]+"\]
opened
keys form8 Escape
expect form8.loaded = false

# Ctrl+Q closes the game.
keys Form1 Ctrl+Q
#@output matches "ended":true
#@file file03.sop missing
