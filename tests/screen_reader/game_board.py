"""What the game shows, read back from the driver, and the keys that move the
grid cursor from one cell to another."""

SIDE = 12
CELLS = SIDE * SIDE
DIRECTION_ENTRY = 10


def row_of(cell):
    return (cell - 1) // SIDE + 1


def column_of(cell):
    return (cell - 1) % SIDE + 1


def arrows_between(start, end):
    down = row_of(end) - row_of(start)
    right = column_of(end) - column_of(start)
    return ["Down" if down > 0 else "Up"] * abs(down) + \
        ["Right" if right > 0 else "Left"] * abs(right)


def placed_word(slot):
    """First and last cell of a word slot (its cells, then its direction)."""
    cells = [cell for cell in slot[:DIRECTION_ENTRY] if cell]
    direction = slot[DIRECTION_ENTRY] if len(slot) > DIRECTION_ENTRY else 0
    if not cells or not 1 <= direction <= 8:
        return None
    # Odd directions read in ascending cell order, even ones backwards.
    forward = direction % 2 == 1
    return {"cells": cells, "first": min(cells) if forward else max(cells),
            "last": max(cells) if forward else min(cells)}


def centre(control):
    return (control["left"] + control["width"] // 2, control["top"] + control["height"] // 2)


class Board:
    def __init__(self, driver):
        self.driver = driver

    def controls(self):
        return self.driver.get("Form1")["controls"]

    def letter(self, cell):
        return self.driver.get("Form1.Label1(%d).text" % cell)

    def word(self, slot):
        found = placed_word(self.driver.get("state.celdas_palabra(%d)" % slot))
        found["text"] = self.driver.get("Form1.resultado(%d).text" % slot)
        return found

    def cursor_cell(self):
        """The cell the keyboard cursor frames, 0 while it is put away."""
        controls = self.controls()
        cursor = controls["cursor"]
        if not cursor["visible"]:
            return 0
        for cell in range(1, CELLS + 1):
            if centre(controls["Label1(%d)" % cell]) == centre(cursor):
                return cell
        return 0

    def words_left(self):
        return int(self.driver.get("Form1.numero.text"))

    def neighbour_off_line(self, word):
        """An arrow from the word's first letter that leaves its line, and
        the cell it reaches."""
        first = word["first"]
        for key, step in (("Up", -SIDE), ("Down", SIDE), ("Left", -1), ("Right", 1)):
            cell = first + step
            same_row = key in ("Up", "Down") or row_of(cell) == row_of(first)
            if 1 <= cell <= CELLS and same_row and cell not in word["cells"]:
                return key, cell
        raise RuntimeError("no cell beside %d off its word" % first)
