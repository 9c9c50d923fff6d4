# Time runs out at level 26 with jokers in stock and Visor running: nothing of
# the level goes on behind the game-over dialog or on the Game Over board.
start
key Inicio "q"
menu Form1.cargame
wait 30000
keys Form1 4
expect Form1.visor = true
wait 25000
# The jokers stop with the level: Visor's frame and countdown are gone.
expect Form1.visor = false
expect Form1.c4.visible = false
expect Form1.t4.enabled = false
# So does the joker-time window, five seconds short of its minute.
expect Form1.segundos60.enabled = false
expect Form1.Label2.text = "05"
close Form5
expect Form1.caption = " Game Over "
# The joker frame is pushed out of the window: its buttons take no click, so
# they take no key either.
keys Form1 1 2 3 5 6
expect state.comodines = [0, 1, 1, 1, 0, 1, 1, 0, 0, 0]
expect Form1.caption = " Game Over "
# Its sound never plays after the game.
wait 30000
expect Form1.dentro_seg = 5
expect Form1.Label2.text = "05"
