"""What a player does, step by step, and what Orca must say for it.

Each step: a name, what the player does (real keys on the X server; the
driver only for what no key reaches or for time passing), a pattern Orca must
speak (None: only heard, for the record), and, when a window opens, a pattern
it must speak exactly once. Patterns may name what the board holds:
{row}, {column}, {letter}, {word}, {left}, {caption}.
"""

from dataclasses import dataclass
from typing import Callable, Optional

from play import arrows_between, placed_word


@dataclass
class Step:
    name: str
    act: Callable
    says: Optional[str] = None
    once: Optional[str] = None
    seconds: float = 20


def splash_return(play):
    play.await_window("^Quenza$")
    play.press("Return")
    play.await_value("Form1.shown", True)


def start_traditional(play):
    play.press("F2")
    play.await_value("Form1.Timer1.enabled", True)


def to_first_letter(play):
    play.word = play.word_in(0)
    play.go_to(play.word["first"])


def line_off_word(play):
    play.press("space", play.neighbour_off_line(play.word), "space")
    play.go_to(play.word["first"])


def find_word(play):
    play.go_to(play.word["first"])
    play.press("space", *arrows_between(play.word["first"], play.word["last"]), "space")
    play.await_value("Form1.resultado(0).visible", False)
    play.facts["word"] = play.word["text"]
    play.facts["left"] = int(play.driver.get("Form1.numero.text"))


def open_window(play, name, act):
    """Does act, awaits the window and notes its caption."""
    act()
    play.await_value(name + ".shown", True)
    play.facts["caption"] = play.driver.get(name + ".caption")


def switch_ranking(play):
    # The viewer hides and shows itself again 50 ms later (on the game's
    # clock, which only moves when told).
    play.press("Right")
    play.await_value("Form7.shown", False)
    play.driver.do("wait 100")
    play.await_value("Form7.shown", True)


def close_rankings(play):
    play.press("Escape")
    play.await_value("Form7.shown", False)


def placed_slots(play, found):
    return [slot for slot in range(10) if slot not in found and
            placed_word(play.driver.get("state.celdas_palabra(%d)" % slot))]


def find_all_but_one(play, found=()):
    # The driver finds them; Orca is given time to catch up before the last.
    for slot in placed_slots(play, found)[:-1]:
        play.driver.do("clickword %d" % slot)


def find_the_last(play, window, found=()):
    open_window(play, window,
                lambda: play.driver.do("clickword %d" % placed_slots(play, found)[-1]))


def level_running(play, key):
    play.press(key)
    play.await_value("Form1.evolution_timer.enabled", True)
    play.facts["seconds"] = (int(play.driver.get("Form1.minuto.text")) * 60 +
                             int(play.driver.get("Form1.segundo.text")))


def last_seconds(play):
    play.driver.do("wait %d" % ((play.facts["seconds"] - 5) * 1000))
    play.await_value("Form1.segundo.text", "05")


CELL = r"Fila {row}, columna {column}: {letter}"
# A window spoken by its caption alone (Orca adds its role).
WINDOW = r"^{caption}( frame| dialog)?\.?$"

STEPS = [
    Step("the splash gives way to the main window, spoken", splash_return,
         says=r"^Quenza .* frame\."),
    Step("F2 starts a traditional game: theme and words hidden", start_traditional,
         says=r"(?i)tres palabras \d+.*\b3 palabras|\b3 palabras.*tres palabras \d+"),
    Step("the first arrow shows the cursor: the cell",
         lambda play: (play.press("Right"), play.go_to()), says=CELL),
    Step("arrows to a first letter: the cell reached", to_first_letter, says=CELL),
    Step("Space on a first letter: a line begins", lambda play: play.press("space"),
         says=r"(?i)(empiez|comienz|inici)"),
    Step("Escape drops the line", lambda play: play.press("Escape"),
         says=r"(?i)(anulad|cancelad|descartad|deshech)"),
    Step("a line that is not a word", line_off_word, says=r"(?i)no es (una )?palabra"),
    Step("a word found: the word and what remains", find_word,
         says=r"(?i){word} encontrada\. Queda(n)? {left} palabras?"),
    Step("Ctrl+R opens the rankings viewer, spoken once",
         lambda play: open_window(play, "Form7", lambda: play.press("ctrl+r")), once=WINDOW),
    Step("Right switches the viewer to the other ranking", switch_ranking,
         says=r"(?i)tradicional"),
    Step("Escape closes the viewer", close_rankings),
    Step("F1 opens the help, spoken once",
         lambda play: open_window(play, "Form6", lambda: play.press("F1")), once=WINDOW),
    Step("the help is closed", lambda play: play.driver.do("close Form6")),
    # The about window has no key of its own: its menu entry is chosen.
    Step("the about window opens, spoken once",
         lambda play: open_window(play, "form8", lambda: play.driver.do("menu Form1.acerca")),
         once=WINDOW),
    Step("Tab reaches the about window's web link", lambda play: play.press("Tab"),
         says=r"(?i)quenza\.example\.org.*link"),
    Step("the about window is closed", lambda play: play.driver.do("close form8")),
    Step("the other words but one found", lambda play: find_all_but_one(play, found=(0,))),
    Step("the last word found: the result window, spoken once",
         lambda play: find_the_last(play, "Form3", found=(0,)), once=WINDOW),
    Step("the result window is closed", lambda play: (play.driver.do("close Form3"),
                                                   play.await_value("Form3.shown", False))),
    Step("F3 starts an evolution game: theme, words, level and time",
         lambda play: level_running(play, "F3"),
         says=r"(?i)(?=.*nivel 1)(?=.*palabras)(?=.*(\d+:\d\d|minuto|segundo))"),
    Step("the level's words but one found", find_all_but_one),
    Step("the level's last word: the level-complete window, spoken once",
         lambda play: find_the_last(play, "Form4"), once=WINDOW),
    Step("the level-complete window grown: its awards spoken",
         lambda play: play.driver.do("wait 1000"),
         says=r"(?i)comodín ganado"),
    Step("Enter continues: the next level is spoken", lambda play: level_running(play, "Return"),
         says=r"(?i)(?=.*nivel 2)(?=.*palabras)"),
    Step("key 1 presses Mostrar: the words it shows are read", lambda play: play.press("1"),
         says=r"(?i)comodín mostrar: las palabras son \w+"),
    Step("the last five seconds: one warning", last_seconds,
         once=r"(?i)(5|cinco) segundos"),
    Step("time runs out: the game-over window, spoken once",
         lambda play: open_window(play, "Form5", lambda: play.driver.do("wait 5000")), once=WINDOW),
    Step("a name typed and Enter: the saving is spoken",
         lambda play: (play.press("ctrl+a"), play.type_text("Ana"), play.press("Return")),
         says=r"(?i)guardad"),
]
