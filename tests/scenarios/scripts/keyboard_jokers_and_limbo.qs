# The joker buttons pressed with the keys 1 to 6, and the level-complete
# window finished without the mouse: the focus walks the check boxes, Space
# ticks one and makes it the next level's joker, Enter continues.
start
keys Inicio Space
keys Form1 F3

# A digit is a click on its button: Mostrar.
keys Form1 1
expect state.comodines(1) = 0
# A disabled button ignores its key: Mostrar is spent, and its effect holds
# Mostrar3 back.
keys Form1 1 2
expect state.puntuacion = -20
expect state.comodines(2) = 1
# Visor.
keys Form1 4
expect Form1.visor = true
# Finalizar ends the level at once.
keys Form1 6

# The growth and the awards, then the keys.
wait 2000
expect focus = "Form4.Check1(2)"
keys Form4 Tab
expect focus = "Form4.Check1(3)"
keys Form4 Space
expect Form4.valor = 3
# Moving on unticks the box, which lost the focus, and keeps the choice made.
keys Form4 Right
expect focus = "Form4.Check1(4)"
expect Form4.Check1(3).checked = false
expect Form4.valor = 3
# Space again unticks: no joker is chosen any more.
keys Form4 Space
expect Form4.valor = 4
keys Form4 Space
expect Form4.Check1(4).checked = false
expect Form4.valor = 0
keys Form4 Left Space
expect Form4.valor = 3
keys Form4 Return
expect Form1.caption = "Quenza Evolution---->Nivel 2"
expect state.comodin_usado(3) = true

# In a traditional game the joker frame is away, and so are its keys.
keys Form1 F2
expect Form1.Comodines.visible = false
keys Form1 2 5
expect state.comodines(2) = 1
expect state.comodines(5) = 1
