"""Reads the game's accessibility tree as a screen reader does, in a process
of its own (the test keeps the game answering meanwhile).

    atspi_probe.py tree APP          one JSON line per node, then `end`
    atspi_probe.py text APP [PATH]   asks every text node for the text at a few
                                     offsets by every boundary; prints `ask ...`
                                     before each question and `end` at the end;
                                     starts after node PATH when given

A node's PATH is its chain of child indexes from the application, e.g. 0.3.12.
Run with Debian's python3 (pyatspi) on the session's buses.
"""

import json
import sys

import pyatspi

BOUNDARIES = {
    "char": pyatspi.TEXT_BOUNDARY_CHAR,
    "word-start": pyatspi.TEXT_BOUNDARY_WORD_START,
    "word-end": pyatspi.TEXT_BOUNDARY_WORD_END,
    "sentence-start": pyatspi.TEXT_BOUNDARY_SENTENCE_START,
    "sentence-end": pyatspi.TEXT_BOUNDARY_SENTENCE_END,
    "line-start": pyatspi.TEXT_BOUNDARY_LINE_START,
    "line-end": pyatspi.TEXT_BOUNDARY_LINE_END,
}


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == name:
            return app
    raise SystemExit("no application %r on the accessibility bus" % name)


def walk(node, path=()):
    yield path, node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child, path + (index,))


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, -1)


def table_place(node, parent):
    """Row and column of a cell as its table reports them."""
    try:
        table = parent.queryTable()
    except NotImplementedError:
        return None
    index = node.getIndexInParent()
    return [table.getRowAtIndex(index), table.getColumnAtIndex(index)]


def describe(path, node, parent):
    states = node.getState()
    entry = {
        "path": ".".join(map(str, path)),
        "role": node.getRoleName(),
        "name": node.name,
        "description": node.description,
        "text": text_of(node),
        "showing": states.contains(pyatspi.STATE_SHOWING),
        "focused": states.contains(pyatspi.STATE_FOCUSED),
        "children": node.childCount,
    }
    if node.getRole() == pyatspi.ROLE_TABLE:
        table = node.queryTable()
        entry["rows"], entry["columns"] = table.nRows, table.nColumns
    if parent is not None and parent.getRole() == pyatspi.ROLE_TABLE:
        entry["cell"] = table_place(node, parent)
    return entry


def print_tree(app):
    parents = {(): None}
    for path, node in walk(app):
        for index in range(node.childCount):
            parents[path + (index,)] = node
        print(json.dumps(describe(path, node, parents.get(path)), ensure_ascii=False), flush=True)


def offsets(length):
    return sorted({0, 1, length // 2, max(length - 1, 0), length})


def ask_texts(app, after):
    started = after is None
    for path, node in walk(app):
        where = ".".join(map(str, path))
        if not started:
            started = where == after
            continue
        try:
            text = node.queryText()
        except NotImplementedError:
            continue
        length = text.characterCount
        content = text.getText(0, -1)
        role = node.getRoleName().replace(" ", "_")
        for offset in offsets(length):
            for name, boundary in BOUNDARIES.items():
                print("ask %s %d %s %s %r" % (where, offset, name, role, content), flush=True)
                text.getTextAtOffset(offset, boundary)


def main():
    command, app_name = sys.argv[1], sys.argv[2]
    app = application(app_name)
    if command == "tree":
        print_tree(app)
    else:
        ask_texts(app, sys.argv[3] if len(sys.argv) > 3 else None)
    print("end", flush=True)


if __name__ == "__main__":
    main()
