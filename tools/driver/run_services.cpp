#include "driver/run_services.h"

#include "driver/object_tree.h"
#include "platform/clock.h"
#include "platform/game_random.h"
#include "platform/sound.h"
#include "platform/system.h"

namespace quenza::driver {

struct RunServices::EndState {
    bool ended = false;
    QString message;
};

namespace {

class EndWatch final : public platform::ProgramEnd {
public:
    explicit EndWatch(std::shared_ptr<RunServices::EndState> state) : state_(std::move(state)) {}

    void end(const QString& message) override {
        if (!state_->ended) {
            state_->ended = true;
            state_->message = message;
        }
        // Nothing of an ended program runs any more.
        switchOffAllTimers();
    }

private:
    std::shared_ptr<RunServices::EndState> state_;
};

} // namespace

RunServices::RunServices(const RunOptions& options) : end_(std::make_shared<EndState>()) {
    auto clock = std::make_unique<platform::VirtualClock>();
    clock_ = clock.get();
    platform::installClock(std::move(clock));
    platform::installRandom(options.seed);
    auto sounds = std::make_unique<platform::RecordingSoundPlayer>();
    sounds_ = sounds.get();
    platform::installSoundPlayer(std::move(sounds));
    auto opened = std::make_unique<platform::RecordingDefaultHandler>();
    opened_ = opened.get();
    platform::installDefaultHandler(std::move(opened));
    platform::setFixedDate(options.date);
    platform::setFolders({options.programDir, options.dataDir});
    platform::installProgramEnd(std::make_unique<EndWatch>(end_));
}

RunServices::~RunServices() = default;

bool RunServices::ended() const {
    return end_->ended;
}

QString RunServices::endMessage() const {
    return end_->message;
}

} // namespace quenza::driver
