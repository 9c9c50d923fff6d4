#pragma once

#include <QKeyCombination>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace quenza::driver {

// One word of a command line. A quoted word may hold spaces and the escapes
// \n (Enter), \t, \" and \\.
struct Word {
    QString text;
    bool quoted = false;
};

struct Words {
    QList<Word> words;
    QString error; // why the line could not be split; the words are then empty
};

Words splitWords(const QString& line);

// The first `count` words (never quoted) and the rest of the line as written,
// for `expect`, whose last argument is a JSON literal.
struct Head {
    QStringList words;
    QString rest;
};
Head splitHead(const QString& line, int count);

// A window ("Form1") or one of its controls ("Form1.Label1(14)").
struct Target {
    QString window;
    QString control; // empty: the window itself

    QString text() const { return control.isEmpty() ? window : window + u'.' + control; }
};
std::optional<Target> parseTarget(const QString& word);

std::optional<qint64> parseInteger(const QString& word);

// One key by its Qt key-sequence name, held keys included: "Left", "Space",
// "F2", "1", "Ctrl+S", "Ctrl++". Nothing for an unknown name or for several
// keys in a row ("Left,Right").
std::optional<QKeyCombination> parseKeyName(const QString& word);

} // namespace quenza::driver
