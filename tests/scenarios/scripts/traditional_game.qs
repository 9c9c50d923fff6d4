# Traditional games of three words each: the clock, the counter and its
# captions on the way down, words found from either end, and the result
# dialog's ways of telling the time (the plurals are the accessibility test's).
# With this seed the first two words run right to left and the third left to
# right (checked first, so a change in generation shows here rather than
# passing unnoticed).
start
key Inicio "q"
menu Form1.tradicional
expect state.celdas_palabra(0,10) = 2
expect state.celdas_palabra(1,10) = 2
expect state.celdas_palabra(2,10) = 1
# The clock ticks once a second from the game's start.
wait 999
expect Form1.segundo.text = "00"
wait 1
expect Form1.segundo.text = "01"
wait 3000
# A backward word, from its first letter (the right-hand end) to its last.
clickword 0
expect Form1.numero.text = "2"
expect Form1.resultado(0).visible = false
expect state.celdas_seleccion = [0, 0, 0, 0, 0, 0, 0, 0, 0, 0]
# A backward word marked from its last letter.
clickword 1 reverse
expect Form1.quedan.text = "Queda"
expect Form1.palabras.text = "palabra"
wait 3000
# A forward word marked from its last letter.
clickword 2 reverse
expect Form1.numero.text = "0"

# Seven seconds: only the seconds, moved under the title.
expect Form1.shown = false
expect Form3.Label4.text = "07"
expect Form3.Label4.left = 960
expect Form3.Label5.text = "segundos"
# An empty ranking takes every result.
expect Form3.Label7.text = "Has conseguido entrar en el ranking!!!"
# The clock stays stopped while the dialog is open.
wait 5000
expect Form1.segundo.text = "07"
text Form3.Text1 "Ana María"
click Form3.Picture1
expect Form3.Text1.visible = false
close Form3
expect Form1.segundo.text = "00"
expect Form1.numero.text = "3"

# One minute and one second: both singular.
wait 61000
clickword 0 1 2
expect Form3.Label2.text = "01"
expect Form3.Label3.text = "minuto y"
expect Form3.Label4.left = 1560
expect Form3.Label5.text = "segundo"
expect Form3.tiempo_total = 61
close Form3

# Choosing the mode again abandons the board and starts the clock afresh.
wait 5000
menu Form1.tradicional
expect Form1.segundo.text = "00"

# Every game a different theme, the first result stored once.
#@file file01.sop matches ^[0-9]+\r\n[0-9]+\r\n[0-9]+\r\n[0-9]+\r\n$
#@file file05.sop matches ^7,3,"Ana María","Tres palabras [0-9]+",#2002-03-05#\r\n$
