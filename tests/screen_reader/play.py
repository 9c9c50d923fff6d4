"""What a test does to the game: real keys on the X server, values read back
from the driver, and what it learns of the board on the way."""

from game_board import Board, arrows_between, column_of, row_of
from session import wait_until

WAIT_SECONDS = 30


def cell_facts(board, cell):
    return {"row": row_of(cell), "column": column_of(cell), "letter": board.letter(cell)}


class Play:
    """What a step can do to the game and what it learns of the board."""

    def __init__(self, session):
        self.session = session
        self.facts = {}
        self.word = None

    @property
    def driver(self):
        return self.session.driver

    @property
    def board(self):
        return Board(self.session.driver)

    def press(self, *keys):
        self.session.press(*keys)

    def type_text(self, text):
        self.session.xdotool("type", "--delay", "40", text)

    def pump(self):
        self.driver.pump()

    def await_window(self, title):
        wait_until(lambda: self.session.xdotool("search", "--onlyvisible", "--name", title),
                   30, self.pump, "a window titled " + title)

    def await_value(self, path, expected):
        wait_until(lambda: self.driver.get(path) == expected, WAIT_SECONDS, None,
                   "%s to be %s" % (path, expected))

    def note_cursor(self):
        cell = wait_until(self.board.cursor_cell, WAIT_SECONDS, None, "the grid cursor")
        self.facts.update(cell_facts(self.board, cell))
        return cell

    def go_to(self, cell):
        keys = arrows_between(self.board.cursor_cell(), cell)
        if keys:
            self.press(*keys)
        wait_until(lambda: self.board.cursor_cell() == cell, WAIT_SECONDS, None, "the cursor on %d" % cell)
        self.facts.update(cell_facts(self.board, cell))
