# The help window follows the mode last started and hides when it loses the
# focus; its hidden spots tell the secrets. The about window counts the theme
# file's lines and hands its links to the system.
start
key Inicio "q"
menu Form1.tradicional
expect Form6.shown = false
menu Form1.contenido
expect Form6.Frame1.text = "Como se juega - Modo Tradicional -"
# Its own menu switches the page without touching the game.
menu Form6.evolution
expect Form6.Frame1.text = "Como se juega - Modo Evolution -"
expect Form6.Frame2.visible = true
expect Form1.modo_juego = 1
dblclick Form6.Label5
expect Form6.Label4(0).text = "Maneras secretas"
dblclick Form6.Label6
expect Form6.Label4(5).text = "Tambien hay otras maneras de conseguirlos, descubrelas tu mismo"
# A click on the main window hides it; it keeps its texts.
click Form1.Label1(1)
expect Form6.shown = false
expect Form6.loaded = true
expect Form6.Label4(0).text = "Conseguir el comodin especial"
# Every game start switches it to its mode's page.
menu Form1.tradicional
menu Form1.contenido
expect Form6.Frame1.text = "Como se juega - Modo Tradicional -"

menu Form1.acerca
expect form8.num.text = "57"
expect form8.horas_empleadas = 110
click form8.weblink
click form8.mail
#@output matches \["https://[^"]+","mailto:[^"@]+@[^"]+"\]
opened
menu Form1.acerca
click form8.cmdOK
expect form8.loaded = false
