#include "application.h"

#include "artwork/artwork.h"
#include "artwork/picture_catalogue.h"
#include "game/form1.h"
#include "game/game_state.h"
#include "inicio.h"
#include "jokers/form4.h"
#include "platform/inspect.h"
#include "platform/look.h"
#include "platform/twips.h"
#include "platform/zoom.h"
#include "rankings/form3.h"
#include "rankings/form5.h"
#include "rankings/form7.h"
#include "shell/form6.h"
#include "shell/form8.h"
#include "version.h"
#include "zoom_keys.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

namespace quenza {

namespace {

// Windows open in the middle of the screen, their place kept in twips.
void centreOnScreen(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect twips = platform::twipsOf(window);
    const QPoint centre = platform::pixelsToTwips(screen->availableGeometry().center());
    platform::place(window, qMax(0, centre.x() - twips.width() / 2),
                    qMax(0, centre.y() - twips.height() / 2), twips.width(), twips.height());
}

// A secondary window is built afresh at each opening; one still open is
// brought to the front instead.
template <typename Window, typename... Args>
void openWindow(QPointer<Window>& slot, Args&&... args) {
    if (!slot) {
        slot = new Window(std::forward<Args>(args)...);
    }
    slot->show();
    slot->activateWindow();
}

} // namespace

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("quenza"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
    // The game speaks only Spanish, whatever the system's language. Without
    // Qt's translations installed its own texts stay in English.
    auto* qtTexts = new QTranslator(qApp);
    if (qtTexts->load(QStringLiteral("qtbase_es"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtTexts);
    } else {
        delete qtTexts;
    }
}

Application::Application(QObject* parent) : QObject(parent) {
    platform::setStateProvider([] { return gameState().toJson(); });
    platform::setUnloadedFields(QStringLiteral("Form4"), [] {
        const AwardCounters& counters = gameState().award_counters;
        return QJsonObject{{QStringLiteral("extra1"), counters.extra1},
                           {QStringLiteral("extra2"), counters.extra2}};
    });
    // The small sans-serif the game's windows were laid out for.
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    platform::setDesignedApplicationFont(font);
    platform::setPictureRenderer(pictureById);
    auto* zoomKeys = new ZoomKeys(this);
    connect(zoomKeys, &ZoomKeys::zoomChosen, this, &Application::zoomChosen);
    qApp->installEventFilter(zoomKeys);
}

Application::~Application() {
    delete rankings_.data();
    delete about_.data();
    delete help_.data();
    delete levelComplete_.data();
    delete gameOver_.data();
    delete result_.data();
    delete form1_.data();
    delete inicio_.data();
}

void Application::start() {
    inicio_ = new Inicio;
    connect(inicio_, &Inicio::continued, this, &Application::openMainWindow);
    centreOnScreen(inicio_);
    inicio_->show();
    inicio_->activateWindow();
}

Form1* Application::form1() const {
    return form1_;
}

Form6& Application::help() {
    // Made on first use and kept: it only hides when it loses the focus.
    if (!help_) {
        help_ = new Form6;
    }
    return *help_;
}

void Application::showHelpBeside(const QWidget& main) {
    Form6& window = help();
    const QRect beside = platform::twipsOf(&main);
    const QRect own = platform::twipsOf(&window);
    platform::place(&window, beside.x() + beside.width(),
                    beside.y() - (own.height() - beside.height()) / 2, own.width(), own.height());
    window.show();
    window.activateWindow();
}

void Application::openMainWindow() {
    form1_ = new Form1;
    Form1* main = form1_;
    platform::setCustomPointer(main, boardCursor());
    Form1::HandOffs handOffs;
    handOffs.showTraditionalResult = [this, main] { openWindow<Form3>(result_, *main); };
    handOffs.showEvolutionGameOver = [this, main] { openWindow<Form5>(gameOver_, *main); };
    handOffs.showLevelComplete = [this, main] {
        GameState& state = gameState();
        openWindow<Form4>(levelComplete_, *main, state, state.award_counters);
    };
    handOffs.showRankings = [this, main] { openWindow<Form7>(rankings_, *main); };
    handOffs.showHelp = [this, main] { showHelpBeside(*main); };
    handOffs.showAbout = [this, main] { openWindow<form8>(about_, *main); };
    handOffs.helpForTraditional = [this] { help().ayuda_T(); };
    handOffs.helpForEvolution = [this] { help().showEvolutionHelp(); };
    main->wire(std::move(handOffs));
    if (main->Form_Load()) {
        centreOnScreen(main);
        main->show();
        main->activateWindow();
    }
}

} // namespace quenza
