#pragma once

#include "jokers/level_host.h"
#include "platform/inspect.h"

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>

class QAction;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QMenu;

namespace quenza {

class JokerFrame;
enum class CursorMove;

namespace platform {
class Label;
class Surface;
class Timer;
} // namespace platform

// The main window: the board, the word list, the clock and the menu bar.
class Form1 final : public QMainWindow, public platform::Inspectable, public LevelHost {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The load step. Returns false when the game cannot run (no theme file);
    // the player has then been told and the program ends.
    bool Form_Load();

    void startTraditionalGame();

    // The evolution game: a new game, a level start with the joker chosen
    // before it (0 = none), and the end of a level.
    void evolution_Click();
    void startLevel(int comodinn) override;
    void finishLevel();

    QJsonObject fields() const override;

    // What the result dialogs read.
    QString minutoText() const;
    QString segundoText() const;
    QString tituloText() const;
    std::int16_t num_palabras() const override;

    // What the game-over dialog does to the main window: the game time stops
    // when it opens; when it closes, the board spells GAMEOVER and the game
    // can be neither saved nor loaded until a new one begins.
    void stopGameTime();
    void showGameOverBoard();

    // While the rankings viewer is open the game is paused (the clock and the
    // joker-time window; the game time goes on) and the main window takes no
    // input; closing the viewer resumes what the mode being played runs.
    void pauseForRankings();
    void resumeAfterRankings();

    // What the level-complete window needs of the main window.
    QWidget* mainWindow() override { return this; }
    void hideStopPicture() override;

    // The windows the main window hands over to. Every one is required:
    // wiring an incomplete set stops the program at start-up.
    struct HandOffs {
        std::function<void()> showTraditionalResult;
        std::function<void()> showEvolutionGameOver;
        std::function<void()> showLevelComplete;
        std::function<void()> showRankings;
        std::function<void()> showHelp;
        std::function<void()> showAbout;
        // The help window follows the mode last started.
        std::function<void()> helpForTraditional;
        std::function<void()> helpForEvolution;
    };
    void wire(HandOffs handOffs);

    // Joker frame, for the driver and the tests.
    JokerFrame* jokerFrame() const { return Comodines; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Keyboard play (form1_keyboard.cpp): the grid's keys, and any pointer
    // move over this window putting the keyboard cursor away.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class Form1Builder;

    // Grid.
    void Label1_MouseMove(int cell);
    void Label1_Click(int cell);
    // Whether the line marked was a word still to find.
    bool checkSelection();
    void showBoard();
    void recolourCells(const std::function<bool(int)>& selected);
    // False when no theme gives a board: the player has been told and the
    // program ends.
    bool newBoard();
    void showWordList();
    void showRemaining();

    // Evolution.
    void evolutionLayout();
    void showLevelTime(int seconds);
    void applyJokerBeforeLevel(int comodinn);
    void stopLevelJokers();
    void evolution_timer_Timer();
    void segundos60_Timer();
    void stop1_Timer();
    void stop2_Timer();

    // Clock. Held (with the joker-time window) while the player cannot reach
    // the board: the rankings viewer, a message box.
    void holdClock();
    void releaseClock();
    void Timer1_Timer();
    void tickClockUp();
    void tickCountDown();

    // Menus and the window's own surface.
    void tradicional_Click();
    void guardame_Click();
    void cargame_Click();
    void con_sonido_Click();
    void sin_sonido_Click();
    void reinicio_rank_evol_Click();
    void reinicio_rank_trad_Click();
    void Form_MouseMove(QPoint pixels);

    // Printing (form1_print.cpp).
    void addPrintEntry(QMenu* menu);
    void imprimir_Click();

    // Keyboard play: a cursor over the grid that the arrow keys move as the
    // pointer moves, Space or Enter clicking the cell under it.
    bool gridKey(const QKeyEvent& event);
    bool bringBackCursor();
    void moveCursor(CursorMove move);
    void clickUnderCursor();
    void cancelOpenSelection();
    void showCursorAt(int cell);
    int cellOf(const QObject* control) const;

    // Hands over to another window; a hand-off that was never wired is a
    // programming error, never a silent no-op.
    static void handOver(const std::function<void()>& to, const char* what);

    void traditionalLayout();
    void endOfTraditionalGame();
    QString themeFilePath() const;
    void fatal(const QString& message);

    std::int16_t sopas_ = 0;
    bool clockWasRunning_ = false;
    bool jokerWindowWasRunning_ = false;
    HandOffs handOffs_;

    // Controls, built by Form1Builder.
    platform::Surface* surface_ = nullptr;
    std::array<platform::Label*, 145> celdas_{};
    std::array<QLabel*, 10> resultado_{};
    std::array<QLabel*, 10> res3_{};
    QLabel* Titulo = nullptr;
    QLabel* quedan = nullptr;
    QLabel* numero = nullptr;
    QLabel* palabras = nullptr;
    QLabel* minuto = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* segundo = nullptr;
    QLabel* ejemplo1 = nullptr;
    QLabel* ejemplo2 = nullptr;
    QLabel* puntuacion1 = nullptr;
    QLabel* puntuacion2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QWidget* stop_pict = nullptr;
    QWidget* Shape1 = nullptr;
    QWidget* Shape2 = nullptr;
    QWidget* Shape3 = nullptr;
    QWidget* cursor_ = nullptr; // the control "cursor"
    int cursorCell_ = 0;        // where the keyboard cursor is, or was last
    QGroupBox* Frame1 = nullptr;
    JokerFrame* Comodines = nullptr;

    platform::Timer* Timer1 = nullptr;
    platform::Timer* evolution_timer = nullptr;
    platform::Timer* segundos60 = nullptr;
    platform::Timer* stop1 = nullptr;
    platform::Timer* stop2 = nullptr;

    QAction* tradicional = nullptr;
    QAction* evolution = nullptr;
    QAction* guardame = nullptr;
    QAction* cargame = nullptr;
    QAction* imprimir = nullptr;
    QAction* rankings = nullptr;
    QAction* con_sonido = nullptr;
    QAction* sin_sonido = nullptr;
    QAction* reinicio_rank_evol = nullptr;
    QAction* reinicio_rank_trad = nullptr;
    QAction* contenido = nullptr;
    QAction* acerca = nullptr;
};

} // namespace quenza
