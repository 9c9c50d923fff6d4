#pragma once

#include <QJsonValue>
#include <QString>

namespace quenza::driver {
class Driver;
}

namespace quenza::soak {

// Plays whole games through the driver's commands, as a tireless player:
// every word found with the pointer, every dialog answered. Each step
// answers an empty text, or what went wrong.
class SoakPlayer {
public:
    explicit SoakPlayer(driver::Driver& driver) : driver_(driver) {}

    // The splash answered and a first traditional game begun.
    QString startProgram();
    // One traditional game, from its board to the result dialog closed; the
    // main window then holds the next game. `number` varies the time taken
    // and the name entered.
    QString playTraditionalGame(int number);
    // A new evolution game from the menu.
    QString startEvolutionGame();
    // One level, from its board to "Continuar" on the level-complete window;
    // `number` decides which jokers are tried on the way.
    QString playEvolutionLevel(int number);
    // Lets the count-down of the level in play run out and answers the
    // game-over dialog.
    QString loseEvolutionGame();

private:
    QString play(const QString& command);
    QString forgetSounds();
    QJsonValue get(const QString& path);
    bool isTrue(const QString& path) { return get(path) == QJsonValue(true); }
    // The board in play, told when a game went wrong.
    QString boardInPlay();
    // Finds the words of the board in play until `endWindow` opens.
    QString findAllWords(const QString& endWindow);
    // Stores a result in a ranking dialog when it asks for a name, then closes it.
    QString answerResultDialog(const QString& window, const QString& name);

    driver::Driver& driver_;
};

} // namespace quenza::soak
