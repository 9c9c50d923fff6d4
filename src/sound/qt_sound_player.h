#pragma once

#include "platform/sound.h"

#include <QHash>
#include <QString>

class QSoundEffect;

namespace quenza::sound {

// Plays <fx folder>/<name>.wav through QSoundEffect, which loads and plays
// asynchronously. Each sound is loaded once and kept.
class QtSoundPlayer final : public platform::SoundPlayer {
public:
    explicit QtSoundPlayer(QString fxFolder);
    ~QtSoundPlayer() override;
    void play(const QString& name) override;

private:
    QSoundEffect* effect(const QString& name);

    QString fxFolder_;
    QHash<QString, QSoundEffect*> effects_; // by path; nullptr: no such file
    QSoundEffect* playing_ = nullptr;
};

} // namespace quenza::sound
