# Rankings an older Windows install wrote (Windows-1252 names, CR LF) beside
# the scratch file of a rewrite that was cut short: the viewer shows the names
# whole, and a new result is ranked among them without damaging them.
start
key Inicio "q"
menu Form1.rankings
menu Form7.tradi
wait 50
expect Form7.nombre(0).text = "Peña"
expect Form7.columna4(0).text = "Otoño"
expect Form7.nombre(1).text = "Muñoz"
close Form7
menu Form1.tradicional
wait 9000
clickword 0 1 2
expect Form3.posicion_nueva = 2
key Form3.Text1 "\n"
close Form3
#@file file06.sop missing
#@file file05.sop matches ^5,8,"Peña","Otoño",#2002-01-10#\r\n9,3,"Player","Tres palabras [0-9]+",#2002-03-05#\r\n120,8,"Muñoz","Tema",#2002-01-11#\r\n$
