#include "platform/sound.h"

#include "platform/clock.h"
#include "platform/sound_qt.h"

#include <utility>

namespace quenza::platform {

namespace {

SoundPlayer* installed = nullptr;

} // namespace

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
    if (installed == nullptr) {
        installed = new QtSoundPlayer;
    }
    return *installed;
}

void installSoundPlayer(std::unique_ptr<SoundPlayer> player) {
    delete installed;
    installed = player.release();
}

void RecordingSoundPlayer::play(const QString& name) {
    played_.append({name, clock().nowMs()});
}

QVector<RecordingSoundPlayer::Played> RecordingSoundPlayer::take() {
    return std::exchange(played_, {});
}

} // namespace quenza::platform
