#include "platform/system.h"

#include "platform/file_faults.h"
#include "platform/installed.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <optional>

namespace quenza::platform {

namespace {

class DesktopHandler final : public DefaultHandler {
public:
    void open(const QString& target) override { QDesktopServices::openUrl(QUrl(target)); }
};

class QuitApplication final : public ProgramEnd {
public:
    void end(const QString&) override {
        // Queued, so the handler that asked finishes before the event loop ends.
        if (QCoreApplication* app = QCoreApplication::instance()) {
            QMetaObject::invokeMethod(
                app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        }
    }
};

Installed<DefaultHandler> installedHandler;
Installed<ProgramEnd> installedEnd;
QDate fixedDate;
std::optional<Folders> currentFolders;
QString chosenThemesFile;

Folders defaultFolders() {
    const QString beside = QCoreApplication::applicationDirPath();
    Folders result;
    if (QFileInfo(beside + QStringLiteral("/temas.tem")).isFile()) {
        result.program = beside;
    } else {
        result.program = QDir::cleanPath(beside + QStringLiteral("/../share/quenza"));
    }
    result.data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return result;
}

} // namespace

DefaultHandler& defaultHandler() {
    return installedHandler.getOr([] { return std::make_unique<DesktopHandler>(); });
}

void installDefaultHandler(std::unique_ptr<DefaultHandler> handler) {
    installedHandler.install(std::move(handler));
}

QDate today() {
    return fixedDate.isValid() ? fixedDate : QDate::currentDate();
}

void setFixedDate(const QDate& date) {
    fixedDate = date;
}

const Folders& folders() {
    if (!currentFolders) {
        currentFolders = defaultFolders();
    }
    return *currentFolders;
}

void setFolders(const Folders& folders) {
    currentFolders = folders;
}

bool ensureDataFolder() {
    const QString& data = folders().data;
    if (data.isEmpty()) {
        return false;
    }
    return QFileInfo(data).isDir() ||
           (diskAllows(WriteStep::CreateFolder, data) && QDir().mkpath(data));
}

QString themesFile() {
    return chosenThemesFile.isEmpty() ? folders().program + QStringLiteral("/temas.tem")
                                      : chosenThemesFile;
}

void setThemesFile(const QString& path) {
    chosenThemesFile = path;
}

void endProgram(const QString& message) {
    installedEnd.getOr([] { return std::make_unique<QuitApplication>(); }).end(message);
}

void installProgramEnd(std::unique_ptr<ProgramEnd> end) {
    installedEnd.install(std::move(end));
}

} // namespace quenza::platform
