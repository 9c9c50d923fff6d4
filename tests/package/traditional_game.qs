# A short traditional game with the installed files: a theme is dealt and
# finding its first word lowers the counter (checked from the two `get`s).
start
key Inicio "q"
menu Form1.tradicional
expect Form1.numero.text != "0"
expect Form1.Titulo.text != ""
get Form1.numero.text
clickword 0
get Form1.numero.text
quit
