#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>

namespace quenza::platform {

// The system's default handler for web and mail links.
class DefaultHandler {
public:
    virtual ~DefaultHandler() = default;
    virtual void open(const QString& target) = 0;
};
DefaultHandler& defaultHandler();
void installDefaultHandler(std::unique_ptr<DefaultHandler> handler);

class RecordingDefaultHandler final : public DefaultHandler {
public:
    void open(const QString& target) override { opened.append(target); }
    QStringList opened;
};

// The system date the game sees. Null means today's.
QDate today();
void setFixedDate(const QDate& date);

// Where the game's files are.
struct Folders {
    QString program; // temas.tem and fx/
    QString data;    // the file0N.sop files
};
// The program folder next to the executable in the build tree, or the
// installed share folder; the data folder is the per-user application data
// folder. Both can be overridden (driver, tests).
const Folders& folders();
void setFolders(const Folders& folders);
// Creates the data folder when missing; false when there is no folder to
// write in (it cannot be made, or a file has its name).
bool ensureDataFolder();

// The theme library the game plays: temas.tem in the program folder unless
// another file was chosen (--themes). An empty path goes back to temas.tem.
QString themesFile();
void setThemesFile(const QString& path);

// Ending the program: the game asks, the application (or the driver) decides
// how. `message` is the text the player was last shown, if any.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void end(const QString& message) = 0;
};
void endProgram(const QString& message = {});
void installProgramEnd(std::unique_ptr<ProgramEnd> end);

} // namespace quenza::platform
