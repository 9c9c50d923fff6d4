# The traditional clock across the minute, ten-minute and hundred-minute marks.
start
key Inicio "q"
menu Form1.tradicional
expect Form1.minuto.text = "00"
expect Form1.segundo.text = "00"
wait 999
expect Form1.segundo.text = "00"
wait 1
expect Form1.segundo.text = "01"
wait 58000
expect Form1.minuto.text = "00"
expect Form1.segundo.text = "59"
wait 1000
expect Form1.minuto.text = "01"
expect Form1.segundo.text = "00"
wait 539000
expect Form1.minuto.text = "09"
expect Form1.segundo.text = "59"
wait 1000
expect Form1.minuto.text = "10"
expect Form1.segundo.text = "00"
wait 5399000
expect Form1.minuto.text = "99"
expect Form1.segundo.text = "59"
wait 1000
expect Form1.minuto.text = "100"
expect Form1.segundo.text = "00"
# Choosing the mode again abandons the board and starts the clock afresh.
menu Form1.tradicional
expect Form1.minuto.text = "00"
expect Form1.segundo.text = "00"
