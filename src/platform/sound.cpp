#include "platform/sound.h"

#include "platform/clock.h"
#include "platform/installed.h"
#include "platform/sound_qt.h"

#include <utility>

namespace quenza::platform {

namespace {

Installed<SoundPlayer> installed;

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
    return installed.getOr([] { return std::make_unique<QtSoundPlayer>(); });
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
