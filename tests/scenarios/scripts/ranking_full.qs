# A ranking of fifteen better results refuses the sixteenth.
start
key Inicio "q"
menu Form1.tradicional
wait 9000
clickword 0
clickword 1
clickword 2
expect Form3.shown = true
expect Form3.posicion_nueva = 99
expect Form3.Label8.visible = true
expect Form3.Label8.text = "Demasiado Lento"
expect Form3.Label7.text = "No has conseguido entrar en el ranking"
expect Form3.Text1.visible = false
expect Form3.Picture1.visible = false
expect Form3.Label6.visible = false
close Form3
expect Form1.shown = true
#@file file05.sop matches ^(1,10,"Rapida [0-9]+","tema",#2002-01-[0-9]+#\r\n)+$
