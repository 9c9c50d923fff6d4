#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <memory>

namespace quenza::platform {
class RecordingDefaultHandler;
class RecordingSoundPlayer;
class VirtualClock;
} // namespace quenza::platform

namespace quenza::driver {

struct RunOptions {
    QString programDir; // temas.tem and fx/
    QString dataDir;    // the file0N.sop files
    std::uint64_t seed = 1;
    QDate date; // null: today
};

// The platform services of a driven run, installed on construction: the
// virtual clock, the seeded generator, recorded sounds and links, the date,
// the folders, and a watch on the program's end. The services stay installed
// until others replace them; one run at a time.
class RunServices {
public:
    explicit RunServices(const RunOptions& options);
    ~RunServices();
    RunServices(const RunServices&) = delete;
    RunServices& operator=(const RunServices&) = delete;

    platform::VirtualClock& clock() const { return *clock_; }
    platform::RecordingSoundPlayer& sounds() const { return *sounds_; }
    platform::RecordingDefaultHandler& opened() const { return *opened_; }

    // The program ended (its main window closed, or a fatal error); every
    // timer is switched off from then on.
    bool ended() const;
    QString endMessage() const;

    struct EndState;

private:
    platform::VirtualClock* clock_;
    platform::RecordingSoundPlayer* sounds_;
    platform::RecordingDefaultHandler* opened_;
    std::shared_ptr<EndState> end_;
};

} // namespace quenza::driver
