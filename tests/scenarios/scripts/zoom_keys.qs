# The zoom keys scale the windows without moving anything the game placed: a
# cell keeps its twips and the words are found as before (every control's
# twips and font at a zoom are the zoom window test's).
start
expect zoom = 100
keys Inicio Ctrl++
expect zoom = 125
key Inicio "q"
menu Form1.tradicional
# Ctrl+= is Ctrl+Plus on keyboards where the plus sign needs Shift.
keys Form1 Ctrl++ Ctrl+= Ctrl++
expect zoom = 250
keys Form1 Ctrl++ Ctrl++
expect zoom = 300
keys Form1 Ctrl+-
expect Form1.Label1(14).left = 720
clickword 0
expect Form1.numero.text ~ "2"
keys Form1 Ctrl+- Ctrl+-
expect zoom = 150
clickword 1 reverse
menu Form1.contenido
keys Form6 Ctrl+0
expect zoom = 100
keys Form6 Ctrl+-
expect zoom = 100
# The zoom the player keeps for the game is neither read nor changed.
#@file quenza/quenza.conf matches ^\[General\].zoom=200.$
