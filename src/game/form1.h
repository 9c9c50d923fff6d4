#pragma once

#include "platform/inspect.h"
#include "puzzle/played_log.h"

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>

class QAction;
class QGroupBox;
class QLabel;

namespace quenza {

namespace platform {
class Label;
class Surface;
class Timer;
} // namespace platform

// The main window: the board, the word list, the clock and the menu bar.
class Form1 final : public QMainWindow, public platform::Inspectable {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The load step. Returns false when the game cannot run (no theme file);
    // the player has then been told and the program ends.
    bool Form_Load();

    void Modo_traDicional();

    QJsonObject fields() const override;

    // What the result dialogs read.
    QString minutoText() const;
    QString segundoText() const;
    QString tituloText() const;
    std::int16_t num_palabras() const;
    std::int16_t modo_juego() const { return modo_juego_; }

    // Hand-offs to the windows of other folders, wired by the application.
    std::function<void()> showTraditionalResult;
    std::function<void()> showEvolutionGameOver;
    std::function<void()> nextLevel;
    std::function<void()> showRankings;
    std::function<void()> showHelp;
    std::function<void()> showAbout;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class Form1Builder;

    // Grid.
    void Label1_MouseMove(int cell);
    void Label1_Click(int cell);
    void checkSelection();
    void showBoard();
    void recolourCells(const std::function<bool(int)>& selected);
    void newBoard();
    void ActuAlizAr();
    void showRemaining();

    // Clock.
    void Timer1_Timer();
    void CroNo_aDelante();
    void CroNo_atras();

    // Menus and the window's own surface.
    void tradicional_Click();
    void con_sonido_Click();
    void sin_sonido_Click();
    void reinicio_rank_evol_Click();
    void reinicio_rank_trad_Click();
    void Form_MouseMove(QPoint pixels);

    void traditionalLayout();
    void endOfTraditionalGame();
    QString themeFilePath() const;
    void fatal(const QString& message);

    std::int16_t modo_juego_ = 0;
    std::int16_t sopas_ = 0;
    bool guardado_ = false;
    std::int16_t dentro_seg_ = 0;
    PlayedThemes sopas_jugadas_{};

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
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Comodines = nullptr;

    platform::Timer* Timer1 = nullptr;
    platform::Timer* evolution_timer = nullptr;
    platform::Timer* segundos60 = nullptr;
    platform::Timer* stop1 = nullptr;
    platform::Timer* stop2 = nullptr;

    QAction* tradicional = nullptr;
    QAction* evolution = nullptr;
    QAction* guardame = nullptr;
    QAction* cargame = nullptr;
    QAction* rankings = nullptr;
    QAction* con_sonido = nullptr;
    QAction* sin_sonido = nullptr;
    QAction* reinicio_rank_evol = nullptr;
    QAction* reinicio_rank_trad = nullptr;
    QAction* contenido = nullptr;
    QAction* acerca = nullptr;
};

} // namespace quenza
