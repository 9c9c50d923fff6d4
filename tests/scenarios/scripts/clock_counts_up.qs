# The traditional clock ticks once a second from the game's start and carries
# into the minutes (the carries themselves are the clock text's own tests).
# Choosing the mode again abandons the board and starts the clock afresh.
start
key Inicio "q"
menu Form1.tradicional
expect Form1.minuto.text = "00"
expect Form1.segundo.text = "00"
wait 999
expect Form1.segundo.text = "00"
wait 1
expect Form1.segundo.text = "01"
wait 59000
expect Form1.minuto.text = "01"
expect Form1.segundo.text = "00"
menu Form1.tradicional
expect Form1.minuto.text = "00"
expect Form1.segundo.text = "00"
