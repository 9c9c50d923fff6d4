# The main window's menu entries have keys, shown beside their unchanged
# captions; a disabled entry ignores its key as it ignores a click. The
# secondary windows close with Escape.
start
keys Inicio Space
expect Form1.tradicional.text = "Tradicional"
expect Form1.evolution.text = "Evolution"
expect Form1.guardame.text = "Guardar"
expect Form1.cargame.text = "Cargar"
expect Form1.rankings.text = "Rankings"
expect Form1.contenido.text = "Contenido"

# No saved game: Cargar is disabled and so is Ctrl+O.
expect Form1.cargame.enabled = false
keys Form1 Ctrl+O
expect Form1.modo_juego = 0
keys Form1 F2
expect Form1.modo_juego = 1
expect Form1.Titulo.visible = true
# Guardar is disabled in a traditional game: Ctrl+S writes nothing (checked
# on the data folder at the end).
expect Form1.guardame.enabled = false
keys Form1 Ctrl+S
keys Form1 F3
expect Form1.modo_juego = 2
expect Form1.caption = "Quenza Evolution---->Nivel 1"

# F1: the help beside the main window; Escape puts it away.
keys Form1 F1
expect Form6.shown = true
expect Form6.Frame1.text = "Como se juega - Modo Evolution -"
keys Form6 Escape
expect Form6.shown = false
expect Form6.loaded = true

# Ctrl+R: the rankings viewer, the game paused behind it; the arrows switch
# its views, Escape closes it.
wait 2000
keys Form1 Ctrl+R
expect Form7.shown = true
expect Form1.enabled = false
expect Form1.Timer1.enabled = false
# Its first tune starts 1 ms after the opening.
wait 10
keys Form7 Right
wait 50
expect Form7.caption = "Rankings - Tradicional"
expect Form7.t.enabled = true
# A cell holding the focus keeps neither arrow for itself.
click Form7.nombre(2)
expect focus = "Form7.nombre(2)"
keys Form7 Left
wait 50
expect Form7.caption = "Rankings - Evolution"
keys Form7 Escape
expect Form7.loaded = false
expect Form1.enabled = true
expect Form1.Timer1.enabled = true

# The about window has no key of its own; Escape closes it as "OK" does.
menu Form1.acerca
expect form8.shown = true
keys form8 Escape
expect form8.loaded = false

# Ctrl+Q closes the game.
keys Form1 Ctrl+Q
#@file file03.sop missing
