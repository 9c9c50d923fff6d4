# Words hidden backwards are found from either end, and so are words hidden
# forwards. With this seed the first two words of the board run right to left
# and the third runs left to right; the first lines check that, so a change
# in generation shows here rather than passing unnoticed.
start
key Inicio "q"
menu Form1.tradicional
expect state.celdas_palabra(0,10) = 2
expect state.celdas_palabra(1,10) = 2
expect state.celdas_palabra(2,10) = 1
expect Form1.numero.text = "3"
# A backward word, from its first letter (the right-hand end) to its last.
clickword 0
expect Form1.resultado(0).visible = false
expect Form1.numero.text = "2"
expect state.celdas_seleccion = [0, 0, 0, 0, 0, 0, 0, 0, 0, 0]
# A backward word marked from its last letter.
clickword 1 reverse
expect Form1.resultado(1).visible = false
expect Form1.numero.text = "1"
# A forward word marked from its last letter.
clickword 2 reverse
expect Form1.numero.text = "0"
expect Form3.shown = true
