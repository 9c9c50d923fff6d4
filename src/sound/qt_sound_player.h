#pragma once

#include "platform/sound.h"

#include <QHash>
#include <QString>
#include <memory>

class QSoundEffect;

namespace quenza::platform {

// Plays fx/<name>.wav of the program's data folder through QSoundEffect, which
// loads and plays asynchronously. Each sound is loaded once and kept.
class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void play(const QString& name) override;

private:
    QSoundEffect* effect(const QString& name);

    QHash<QString, QSoundEffect*> effects_; // by path; nullptr: no such file
    QSoundEffect* playing_ = nullptr;
};

} // namespace quenza::platform
