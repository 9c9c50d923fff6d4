#include "soak_player.h"

#include "driver/driver.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quenza::soak {

namespace {

// The most words a theme holds.
constexpr int kWordSlots = 10;
// The level-complete window grows open and shows its awards within this.
constexpr int kAwardsShownMs = 4500;
// Suerte's signs stay this long before the stock is rewritten.
constexpr int kLuckShownMs = 1600;
// Longer than any level's count-down, even with Tiempo doubling it.
constexpr int kLongerThanAnyLevelMs = 600000;

// A word that found no room on the board was dropped before play: its slot
// holds no cell and there is nothing to find.
bool holdsAWord(const QJsonArray& slot) {
    for (qsizetype position = 0; position < kWordSlots && position < slot.size(); ++position) {
        if (slot.at(position).toInt() != 0) {
            return true;
        }
    }
    return false;
}

} // namespace

QString SoakPlayer::forgetSounds() {
    // The driver keeps every sound played until a script asks for them; a
    // soak that never asked would measure that list growing.
    return play(QStringLiteral("sounds"));
}

QString SoakPlayer::play(const QString& command) {
    const QJsonObject answer = driver_.run(command);
    if (answer.value(QStringLiteral("ok")).toBool()) {
        return {};
    }
    return command + QStringLiteral(": ") +
           QString::fromUtf8(QJsonDocument(answer).toJson(QJsonDocument::Compact));
}

QJsonValue SoakPlayer::get(const QString& path) {
    const QJsonObject answer = driver_.run(QStringLiteral("get ") + path);
    return answer.value(QStringLiteral("value"));
}

QString SoakPlayer::boardInPlay() {
    QString board;
    for (const QString& path :
         {QStringLiteral("Form1.Titulo.text"), QStringLiteral("Form1.numero.text"),
          QStringLiteral("Form1.num_palabras"), QStringLiteral("state.celdas_palabra")}) {
        board += QStringLiteral("\n  %1 = %2")
                     .arg(path,
                          QString::fromUtf8(
                              QJsonDocument(QJsonArray{get(path)}).toJson(QJsonDocument::Compact)));
    }
    return board;
}

QString SoakPlayer::startProgram() {
    for (const QString& command : {QStringLiteral("start"), QStringLiteral("keys Inicio Return"),
                                   QStringLiteral("menu Form1.tradicional")}) {
        if (QString failed = play(command); !failed.isEmpty()) {
            return failed;
        }
    }
    return {};
}

QString SoakPlayer::findAllWords(const QString& endWindow) {
    const QString ended = endWindow + QStringLiteral(".shown");
    const int words = get(QStringLiteral("Form1.num_palabras")).toInt() + 1;
    const QJsonArray slots = get(QStringLiteral("state.celdas_palabra")).toArray();
    for (int slot = 0; slot < qMin(words, kWordSlots) && !isTrue(ended); ++slot) {
        if (!holdsAWord(slots.at(slot).toArray())) {
            continue;
        }
        // Half the words from their last letter, as players do.
        const QString command = QStringLiteral("clickword %1%2")
                                    .arg(slot)
                                    .arg(slot % 2 == 1 ? QStringLiteral(" reverse") : QString());
        if (QString failed = play(command); !failed.isEmpty()) {
            return failed + boardInPlay();
        }
    }
    if (!isTrue(ended)) {
        return QStringLiteral("%1 did not open after the words of the board were found")
                   .arg(endWindow) +
               boardInPlay();
    }
    return {};
}

QString SoakPlayer::answerResultDialog(const QString& window, const QString& name) {
    if (isTrue(window + QStringLiteral(".Text1.visible"))) {
        if (QString failed = play(QStringLiteral("text %1.Text1 \"%2\"").arg(window, name));
            !failed.isEmpty()) {
            return failed;
        }
        if (QString failed = play(QStringLiteral("click %1.Picture1").arg(window));
            !failed.isEmpty()) {
            return failed;
        }
    }
    if (QString failed = play(QStringLiteral("close ") + window); !failed.isEmpty()) {
        return failed;
    }
    if (!isTrue(QStringLiteral("Form1.shown"))) {
        return QStringLiteral("the main window did not come back after %1").arg(window);
    }
    return {};
}

QString SoakPlayer::playTraditionalGame(int number) {
    // A different time each game, so that results enter the ranking, push
    // others out of it, or are too slow for it.
    if (QString failed = play(QStringLiteral("wait %1").arg(1000 * (1 + number % 40)));
        !failed.isEmpty()) {
        return failed;
    }
    if (QString failed = findAllWords(QStringLiteral("Form3")); !failed.isEmpty()) {
        return failed;
    }
    if (QString failed =
            answerResultDialog(QStringLiteral("Form3"), QStringLiteral("Soak %1").arg(number));
        !failed.isEmpty()) {
        return failed;
    }
    return forgetSounds();
}

QString SoakPlayer::startEvolutionGame() {
    return play(QStringLiteral("menu Form1.evolution"));
}

QString SoakPlayer::playEvolutionLevel(int number) {
    // An in-game joker now and then, while there is stock for it.
    if (number % 4 == 1 && isTrue(QStringLiteral("Form1.mostrar.enabled"))) {
        if (QString failed = play(QStringLiteral("click Form1.mostrar")); !failed.isEmpty()) {
            return failed;
        }
    }
    if (QString failed = play(QStringLiteral("wait 2000")); !failed.isEmpty()) {
        return failed;
    }
    if (QString failed = findAllWords(QStringLiteral("Form4")); !failed.isEmpty()) {
        return failed;
    }
    if (QString failed = play(QStringLiteral("wait %1").arg(kAwardsShownMs)); !failed.isEmpty()) {
        return failed;
    }
    if (number % 5 == 0 && isTrue(QStringLiteral("Form4.Suerte.enabled"))) {
        if (QString failed = play(QStringLiteral("click Form4.Suerte")); !failed.isEmpty()) {
            return failed;
        }
        if (QString failed = play(QStringLiteral("wait %1").arg(kLuckShownMs)); !failed.isEmpty()) {
            return failed;
        }
    }
    // Tiempo for the next level, ticked then recorded by crossing the frame.
    if (number % 3 == 0 && isTrue(QStringLiteral("Form4.Check1(5).enabled"))) {
        for (const QString& command : {QStringLiteral("click Form4.Check1(5)"),
                                       QStringLiteral("move Form4.Comodines 100 100")}) {
            if (QString failed = play(command); !failed.isEmpty()) {
                return failed;
            }
        }
    }
    if (QString failed = play(QStringLiteral("click Form4.Command2")); !failed.isEmpty()) {
        return failed;
    }
    if (!isTrue(QStringLiteral("Form1.shown"))) {
        return QStringLiteral("the next level did not open after level %1").arg(number);
    }
    return forgetSounds();
}

QString SoakPlayer::loseEvolutionGame() {
    if (QString failed = play(QStringLiteral("wait %1").arg(kLongerThanAnyLevelMs));
        !failed.isEmpty()) {
        return failed;
    }
    if (!isTrue(QStringLiteral("Form5.shown"))) {
        return QStringLiteral("the game-over dialog did not open when the time ran out");
    }
    if (QString failed = answerResultDialog(QStringLiteral("Form5"), QStringLiteral("Soak"));
        !failed.isEmpty()) {
        return failed;
    }
    return forgetSounds();
}

} // namespace quenza::soak
