#pragma once

#include <QObject>
#include <QPointer>

namespace quenza {

class Form1;
class Form3;
class Form4;
class Form5;
class Form6;
class Form7;
class form8;
class Inicio;

// What the game and the driver both ask of the application object, right
// after creating it: the same names (so the same per-user folder) and
// version, and Qt's own texts (a text box's context menu, standard buttons)
// in Spanish. No display name is set: a desktop would append it to every
// window title, and the titles must read exactly the captions the game sets.
void setUpApplication();

// Wires the game's windows together: the splash first, then the main window,
// which opens the dialogs. Both the game's main() and the driver use it after
// installing their platform services.
class Application final : public QObject {
    Q_OBJECT
public:
    explicit Application(QObject* parent = nullptr);
    ~Application() override;

    // Shows the splash window.
    void start();
    // The main window, once the splash has handed over (null before).
    Form1* form1() const;

Q_SIGNALS:
    // The player chose this zoom with the zoom keys.
    void zoomChosen(int percent);

private:
    void openMainWindow();
    Form6& help();
    void showHelpBeside(const QWidget& main);

    QPointer<Inicio> inicio_;
    QPointer<Form1> form1_;
    QPointer<Form3> result_;
    QPointer<Form4> levelComplete_;
    QPointer<Form5> gameOver_;
    QPointer<Form6> help_;
    QPointer<form8> about_;
    QPointer<Form7> rankings_;
};

} // namespace quenza
