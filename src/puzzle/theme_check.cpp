#include "theme_check.h"

#include "text.h"
#include "theme.h"

#include <algorithm>
#include <map>
#include <set>

namespace quenza {

namespace {

constexpr Letter kQuote = U'"';
// Fields of a line: the number (never read), the title, the count, the words.
constexpr size_t kTitleField = 1;
constexpr size_t kCountField = 2;
constexpr size_t kFirstWordField = 3;

std::string quoted(const Word& text) {
    return "«" + toUtf8(text) + "»";
}

std::string counted(size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string fieldName(size_t index) {
    if (index == kTitleField) {
        return "el título";
    }
    if (index == kCountField) {
        return "la cantidad de palabras";
    }
    return "la palabra " + std::to_string(index - kFirstWordField + 1);
}

// The field's name after "a": "al título", "a la palabra 2".
std::string toField(size_t index) {
    return index == kTitleField ? "al título" : "a " + fieldName(index);
}

bool isBlank(Letter c) {
    return c == U' ' || c == U'\t';
}

Word trimmed(const Word& text) {
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    return first < last ? Word(first, last) : Word();
}

bool quotedOnBothEnds(const Word& raw) {
    return raw.size() >= 2 && raw.front() == kQuote && raw.back() == kQuote;
}

bool isWholeNumber(const Word& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](Letter c) { return c >= U'0' && c <= U'9'; });
}

// A word the board takes: one to ten letters.
bool fitsTheBoard(const Word& word) {
    return !word.empty() && word.size() <= static_cast<size_t>(kMaxLetters);
}

// Checks one line and reports to `problems`; `earlier` remembers the titles
// and word sets of the lines before it.
class LineCheck {
public:
    struct Earlier {
        std::map<Word, int> titles;
        std::map<std::set<Word>, int> wordSets;
    };

    LineCheck(const Word& line, int number, std::vector<ThemeProblem>& problems)
        : line_(line), theme_(parseThemeLine(line)), fields_(theme_.fields), number_(number),
          problems_(problems) {}

    bool playable() const {
        return std::any_of(theme_.words.begin(), theme_.words.end(), fitsTheBoard);
    }

    void run(Earlier& earlier) {
        if (trimmed(line_).empty()) {
            report("la línea está vacía: el juego la cuenta como un tema, la sortea y la salta "
                   "porque no tiene palabras; bórrela.");
            return;
        }
        checkLayout();
        for (size_t index = kTitleField; index < fields_.size(); ++index) {
            const bool delimited = checkDelimiters(index);
            if (index == kTitleField) {
                checkTitle(delimited);
            } else if (index == kCountField) {
                checkCount();
            } else if (index < kFirstWordField + wordsGiven()) {
                checkWord(index, delimited);
            }
        }
        checkRepeats(earlier);
    }

private:
    void report(const std::string& message) { problems_.push_back({number_, message}); }

    // A comma at the very end of the line opens a word field with nothing in
    // it; it is a stray comma rather than a word.
    bool endsWithStrayComma() const {
        return fields_.size() > kFirstWordField && fields_.back().raw.empty();
    }

    size_t wordsGiven() const {
        if (fields_.size() <= kFirstWordField) {
            return 0;
        }
        return fields_.size() - kFirstWordField - (endsWithStrayComma() ? 1 : 0);
    }

    void checkLayout() {
        if (fields_.size() == 1) {
            report("no hay ninguna coma: el juego no encuentra ni el título ni las palabras; "
                   "separe con comas el número, el título, la cantidad y las palabras.");
            return;
        }
        if (!fields_.front().raw.empty() && fields_.front().raw.front() == kQuote) {
            report("la línea no empieza por su número: el juego se salta el primer campo (" +
                   quoted(fields_.front().raw) +
                   ") y toma el siguiente por el título; escriba "
                   "el número y una coma al principio.");
        }
        if (fields_.size() <= kFirstWordField) {
            report("faltan campos: tras el número van el título, la cantidad y las palabras, "
                   "separados por comas, y el juego no encuentra ninguna palabra; añada las "
                   "comas o los campos que faltan.");
        }
    }

    // Reports a field whose delimiters are not one double quote at each end;
    // true when they are.
    bool checkDelimiters(size_t index) {
        const ThemeField& field = fields_[index];
        const std::string reads = "el juego lee " + quoted(field.content);
        if (field.raw.empty()) {
            if (index + 1 == fields_.size()) {
                if (index >= kFirstWordField) {
                    report("sobra la coma del final de la línea; quítela.");
                } else {
                    report("la línea acaba en una coma donde va " + fieldName(index) +
                           ": escriba " + fieldName(index) + " entre comillas tras la coma.");
                }
            } else {
                report("hay dos comas seguidas donde va " + fieldName(index) +
                       ": sobra una coma; quítela o escriba " + fieldName(index) +
                       " entre comillas entre las dos.");
            }
            return false;
        }
        if (quotedOnBothEnds(field.raw)) {
            if (field.content.find(kQuote) == Word::npos) {
                return true;
            }
            report(fieldName(index) + " " + quoted(field.raw) +
                   " tiene comillas dentro, así que falta una coma entre dos campos: " + reads +
                   "; ponga una coma entre las comillas que cierran un campo y las que abren "
                   "el siguiente.");
            return false;
        }
        if (quotedOnBothEnds(trimmed(field.raw))) {
            report("sobran espacios junto a las comas en " + fieldName(index) + " " +
                   quoted(field.raw) + ": " + reads + "; quítelos.");
            return false;
        }
        const bool opens = field.raw.front() == kQuote;
        const bool closes = field.raw.size() >= 2 && field.raw.back() == kQuote;
        if (opens != closes) {
            report(toField(index) + " " + quoted(field.raw) + " le falta la comilla " +
                   (opens ? "del final" : "del principio") + " (o le sobra una coma dentro): " +
                   reads + "; ponga la comilla o quite la coma.");
        } else {
            report(fieldName(index) + " " + quoted(field.raw) + " no va entre comillas: " + reads +
                   "; escríbalo entre comillas.");
        }
        return false;
    }

    void checkTitle(bool delimited) {
        const Word& title = theme_.title;
        if (title.empty()) {
            if (delimited) {
                report("el título está vacío: el juego no muestra ninguno; escriba uno.");
            }
            return;
        }
        // The game shows long titles at a smaller size so that they fit.
        if (titleFontSize(title) < titleFontSize(Word())) {
            report("el título " + quoted(title) + " tiene " + std::to_string(title.size()) +
                   " caracteres: el juego lo muestra con letra más pequeña; acórtelo a 30 "
                   "como mucho.");
        }
    }

    // What the game does with a count of `used` words when the line gives
    // `given`; empty when it reads them all.
    std::string countEffect(size_t used, size_t given) const {
        if (used == 0) {
            return "no pone ninguna palabra";
        }
        if (used < given) {
            std::string unused;
            for (size_t index = kFirstWordField + used; index < kFirstWordField + given; ++index) {
                unused += (unused.empty() ? "" : ", ") + quoted(fields_[index].content);
            }
            return "no usa " + unused;
        }
        if (used > given) {
            // The words past the last field all repeat that field.
            const Word& repeated = theme_.words[given];
            const size_t extra = used - given;
            if (repeated.empty()) {
                return "deja " + counted(extra, "hueco", "huecos") + " sin palabra";
            }
            return "repite " + quoted(repeated) + " " + counted(extra, "vez", "veces") + " más";
        }
        return {};
    }

    void checkCount() {
        const size_t given = wordsGiven();
        if (given == 0) {
            return; // the layout problem already says there are no words
        }
        const auto used = static_cast<size_t>(theme_.count);
        const std::string effect = countEffect(used, given);
        const std::string fix = given <= static_cast<size_t>(kSlots)
                                    ? "escriba " + std::to_string(given)
                                    : "quite " + counted(given - kSlots, "palabra", "palabras") +
                                          " y escriba " + std::to_string(kSlots);
        const std::string then = effect.empty() ? "" : " y " + effect;
        const Word& written = fields_[kCountField].content;
        if (!isWholeNumber(written)) {
            report("la cantidad de palabras " + quoted(written) +
                   " no es un número: el juego lee " + std::to_string(used) + then + "; " + fix +
                   ".");
        } else if (theme_.declared > kSlots) {
            report("la cantidad de palabras es " + std::to_string(theme_.declared) +
                   " y caben 10 como mucho: el juego lee 10" + then + "; " + fix + ".");
        } else if (used != given) {
            report("la cantidad de palabras es " + std::to_string(used) + " pero hay " +
                   counted(given, "palabra", "palabras") + ": el juego " + effect + "; " + fix +
                   ".");
        }
    }

    void checkWord(size_t index, bool delimited) {
        const Word& word = fields_[index].content;
        if (word.empty()) {
            if (delimited) {
                report(fieldName(index) +
                       " está vacía: el juego deja su hueco sin palabra; escríbala o quítela.");
            }
        } else if (!fitsTheBoard(word)) {
            report("la palabra " + quoted(word) + " tiene " + std::to_string(word.size()) +
                   " letras y caben 10: el juego la deja fuera del tablero; acórtela o "
                   "cámbiela.");
        }
    }

    void checkRepeats(Earlier& earlier) {
        int sameTitle = 0;
        if (!theme_.title.empty()) {
            sameTitle = earlier.titles.emplace(upperCase(theme_.title), number_).first->second;
        }
        std::set<Word> words;
        for (const Word& word : theme_.words) {
            if (fitsTheBoard(word)) {
                words.insert(upperCase(word));
            }
        }
        int sameWords = 0;
        if (!words.empty()) {
            sameWords = earlier.wordSets.emplace(words, number_).first->second;
        }
        const auto earlierLine = [](int line) { return "la línea " + std::to_string(line); };
        if (sameTitle != 0 && sameTitle != number_ && sameTitle == sameWords) {
            report("repite el tema de " + earlierLine(sameTitle) +
                   " (el mismo título y las mismas palabras): bórrelo.");
            return;
        }
        if (sameTitle != 0 && sameTitle != number_) {
            report("repite el título " + quoted(theme_.title) + " de " + earlierLine(sameTitle) +
                   ": cámbielo o borre uno de los dos temas.");
        }
        if (sameWords != 0 && sameWords != number_) {
            report("tiene las mismas palabras que " + earlierLine(sameWords) +
                   ": cámbielas o borre uno de los dos temas.");
        }
    }

    const Word& line_;
    const ThemeLine theme_;
    const std::vector<ThemeField>& fields_;
    const int number_;
    std::vector<ThemeProblem>& problems_;
};

} // namespace

ThemeCheck checkThemeLibrary(const std::vector<Word>& lines) {
    ThemeCheck check;
    LineCheck::Earlier earlier;
    for (const Word& line : lines) {
        ++check.themes;
        LineCheck lineCheck(line, check.themes, check.problems);
        lineCheck.run(earlier);
        check.playable += lineCheck.playable() ? 1 : 0;
    }
    if (check.themes == 0) {
        check.problems.push_back({0, "no hay ningún tema: el juego no puede empezar una partida; "
                                     "escriba al menos uno."});
    } else if (check.playable == 0) {
        check.problems.push_back({0, "ningún tema pone palabras en el tablero: el juego no puede "
                                     "empezar una partida; corrija al menos uno."});
    }
    return check;
}

std::string reportLine(const ThemeProblem& problem) {
    if (problem.line == 0) {
        return "archivo: " + problem.message;
    }
    return "línea " + std::to_string(problem.line) + ": " + problem.message;
}

std::string reportSummary(const ThemeCheck& check) {
    const auto themes = static_cast<size_t>(check.themes);
    const auto playable = static_cast<size_t>(check.playable);
    const size_t problems = check.problems.size();
    return counted(themes, "tema leído", "temas leídos") + ", " + std::to_string(playable) +
           (playable == 1 ? " se puede jugar" : " se pueden jugar") + ", " +
           (problems == 0 ? "ningún problema" : counted(problems, "problema", "problemas")) + ".";
}

} // namespace quenza
