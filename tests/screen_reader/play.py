"""What a test does to the game: real keys on the X server, values read back
from the driver, and what it learns of the board on the way."""

from session import wait_until

SIDE = 12
WAIT_SECONDS = 30


def arrows_between(start, end):
    (start_row, start_column), (end_row, end_column) = divmod(start - 1, SIDE), \
        divmod(end - 1, SIDE)
    down, right = end_row - start_row, end_column - start_column
    return ["Down" if down > 0 else "Up"] * abs(down) + \
        ["Right" if right > 0 else "Left"] * abs(right)


def placed_word(slot):
    """First and last cell of a word slot (ten cells, then its direction)."""
    cells = [cell for cell in slot[:10] if cell]
    direction = slot[10] if len(slot) > 10 else 0
    if not cells or not 1 <= direction <= 8:
        return None
    # Odd directions read in ascending cell order, even ones backwards.
    ends = (min(cells), max(cells)) if direction % 2 else (max(cells), min(cells))
    return {"cells": cells, "first": ends[0], "last": ends[1]}


class Play:
    def __init__(self, session):
        self.session = session
        self.facts = {}
        self.word = None

    @property
    def driver(self):
        return self.session.driver

    def press(self, *keys):
        """Real key events on the X server, to whatever window has the focus."""
        if self.session.xdotool("key", "--delay", "40", *keys) is None:
            raise RuntimeError("xdotool could not press " + " ".join(keys))

    def type_text(self, text):
        self.session.xdotool("type", "--delay", "40", text)

    def pump(self):
        self.driver.pump()

    def await_window(self, title):
        wait_until(lambda: self.session.xdotool("search", "--onlyvisible", "--name", title),
                   WAIT_SECONDS, self.pump, "a window titled " + title)

    def await_value(self, path, expected):
        wait_until(lambda: self.driver.get(path) == expected, WAIT_SECONDS, None,
                   "%s to be %s" % (path, expected))

    def word_in(self, slot):
        found = placed_word(self.driver.get("state.celdas_palabra(%d)" % slot))
        if found:
            found["text"] = self.driver.get("Form1.resultado(%d).text" % slot)
        return found

    def cursor_cell(self):
        """The cell the keyboard cursor frames, 0 while it is put away."""
        controls = self.driver.get("Form1")["controls"]
        cursor = controls["cursor"]
        centre = lambda c: (c["left"] + c["width"] // 2, c["top"] + c["height"] // 2)
        return next((cell for cell in range(1, SIDE * SIDE + 1) if cursor["visible"] and
                     centre(controls["Label1(%d)" % cell]) == centre(cursor)), 0)

    def go_to(self, cell=None):
        """Arrows the cursor to `cell` (None: wherever it shows) and notes where it is."""
        if cell is not None:
            keys = arrows_between(self.cursor_cell(), cell)
            if keys:
                self.press(*keys)

        def reached():
            now = self.cursor_cell()
            return now if cell in (None, now) else 0
        now = wait_until(reached, WAIT_SECONDS, None, "the cursor on %s" % (cell or "the grid"))
        row, column = divmod(now - 1, SIDE)
        self.facts.update(row=row + 1, column=column + 1,
                          letter=self.driver.get("Form1.Label1(%d).text" % now))

    def neighbour_off_line(self, word):
        """An arrow from the word's first letter that leaves its line."""
        first = word["first"]
        for key, step in (("Up", -SIDE), ("Down", SIDE), ("Left", -1), ("Right", 1)):
            cell = first + step
            same_row = key in ("Up", "Down") or (cell - 1) // SIDE == (first - 1) // SIDE
            if 1 <= cell <= SIDE * SIDE and same_row and cell not in word["cells"]:
                return key
        raise RuntimeError("no cell beside %d off its word" % first)
