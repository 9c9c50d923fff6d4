#pragma once

#include "game/form1.h"

#include <QCoreApplication>
#include <QStringList>
#include <memory>

namespace quenza::testing {

// Wires every hand-off of the main window to a note in `asked`, so a window
// test sees which other window the main window would have opened.
inline void wireRecording(Form1& form, QStringList& asked) {
    const auto note = [&asked](const char* what) {
        return [&asked, what] { asked.append(QLatin1String(what)); };
    };
    Form1::HandOffs handOffs;
    handOffs.showTraditionalResult = note("result");
    handOffs.showEvolutionGameOver = note("game over");
    handOffs.showLevelComplete = note("level complete");
    handOffs.showRankings = note("rankings");
    handOffs.showHelp = note("help");
    handOffs.showAbout = note("about");
    handOffs.helpForTraditional = note("traditional help");
    handOffs.helpForEvolution = note("evolution help");
    form.wire(std::move(handOffs));
}

enum class Shown { No, Active };

// A main window loaded as the game starts it, its hand-offs noted in
// `handOffs` (emptied first), shown as the active window if asked; null when
// it fails to load.
inline std::unique_ptr<Form1> loadedMainWindow(QStringList& handOffs, Shown shown = Shown::No) {
    auto form = std::make_unique<Form1>();
    handOffs.clear();
    wireRecording(*form, handOffs);
    if (!form->Form_Load()) {
        return nullptr;
    }
    if (shown == Shown::Active) {
        form->show();
        form->activateWindow();
        QCoreApplication::processEvents();
    }
    return form;
}

} // namespace quenza::testing
