# Fourteen better results leave room: a slow result becomes the fifteenth
# line; the next, slower still, finds the ranking full.
start
key Inicio "q"
menu Form1.tradicional
wait 9000
clickword 0 1 2
expect Form3.posicion_nueva = 99
expect Form3.Label7.text = "Has conseguido entrar en el ranking!!!"
# Enter in the name box accepts, like the button.
key Form3.Text1 "\n"
close Form3
menu Form1.tradicional
wait 10000
clickword 0 1 2
expect Form3.Label8.text = "Demasiado Lento"
expect Form3.Label7.text = "No has conseguido entrar en el ranking"
expect Form3.Text1.visible = false
close Form3
#@file file05.sop matches ^(1,10,"Rapida [0-9]+","tema",#2002-01-[0-9]+#\r\n)+9,3,"Player","Tres palabras [0-9]+",#2002-03-05#\r\n$
