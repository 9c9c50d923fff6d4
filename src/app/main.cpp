#include "shell/application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quenza"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quenza"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.7"));
    quenza::Application game;
    game.start();
    return QApplication::exec();
}
