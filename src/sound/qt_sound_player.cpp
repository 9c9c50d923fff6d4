#include "sound/qt_sound_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <utility>

namespace quenza::sound {

QtSoundPlayer::QtSoundPlayer(QString fxFolder) : fxFolder_(std::move(fxFolder)) {}

QtSoundPlayer::~QtSoundPlayer() {
    qDeleteAll(effects_);
}

QSoundEffect* QtSoundPlayer::effect(const QString& name) {
    const QString path = fxFolder_ + u'/' + name + QStringLiteral(".wav");
    const auto found = effects_.constFind(path);
    if (found != effects_.constEnd()) {
        return found.value();
    }
    QSoundEffect* effect = nullptr;
    if (QFileInfo(path).isFile()) {
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effects_.insert(path, effect);
    return effect;
}

void QtSoundPlayer::play(const QString& name) {
    // A new sound cuts the one playing, even when it cannot play itself.
    if (playing_ != nullptr) {
        playing_->stop();
        playing_ = nullptr;
    }
    QSoundEffect* next = effect(name);
    if (next == nullptr || next->status() == QSoundEffect::Error) {
        return;
    }
    // Plays once loaded when the file is still loading.
    next->play();
    playing_ = next;
}

} // namespace quenza::sound
