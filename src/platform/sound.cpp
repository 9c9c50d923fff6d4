#include "platform/sound.h"

#include "platform/clock.h"
#include "platform/installed.h"
#include "platform/system.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <utility>

namespace quenza::platform {

namespace {

Installed<SoundPlayer> installed;

using MakeSoundPlayer = SoundPlayer* (*)(const QString& fxFolder);

// Qt Multimedia and the audio libraries under it take longer to load than the
// rest of the game: they come in with the first sound, not at start.
class LoadingSoundPlayer final : public SoundPlayer {
public:
    void play(const QString& name) override {
        if (!tried_) {
            tried_ = true;
            loaded_ = loadQtSoundPlayer();
        }
        if (loaded_) {
            loaded_->play(name);
        }
    }

private:
    bool tried_ = false;
    std::unique_ptr<SoundPlayer> loaded_;
};

} // namespace

std::unique_ptr<SoundPlayer> loadQtSoundPlayer() {
    const QString beside = QCoreApplication::applicationDirPath();
    const QString libraryFolder =
        QDir::cleanPath(beside + u'/' + QStringLiteral(QUENZA_SOUND_MODULE_FROM_BIN));
    for (const QString& folder : {beside, libraryFolder}) {
        QLibrary module(folder + QStringLiteral("/quenza-sound.so"));
        if (!module.load()) {
            continue;
        }
        if (auto make =
                reinterpret_cast<MakeSoundPlayer>(module.resolve("quenza_make_sound_player"))) {
            return std::unique_ptr<SoundPlayer>(make(folders().program + QStringLiteral("/fx")));
        }
    }
    return nullptr;
}

QString& sonido() {
    static QString value = QStringLiteral("on");
    return value;
}

void playSound(const QString& name) {
    if (sonido() == u"on") {
        soundPlayer().play(name);
    }
}

SoundPlayer& soundPlayer() {
    return installed.getOr([] { return std::make_unique<LoadingSoundPlayer>(); });
}

void installSoundPlayer(std::unique_ptr<SoundPlayer> player) {
    installed.install(std::move(player));
}

void RecordingSoundPlayer::play(const QString& name) {
    played_.append({name, clock().nowMs()});
}

QVector<RecordingSoundPlayer::Played> RecordingSoundPlayer::take() {
    return std::exchange(played_, {});
}

} // namespace quenza::platform
