#pragma once

#include <QString>
#include <QVector>
#include <memory>

namespace quenza::platform {

// Plays the game's sounds by name ("ding" is fx/ding.wav of the program's data
// folder). A new sound cuts the one playing; a missing file or a machine
// without audio plays nothing and never blocks.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& name) = 0;
};

// The sound switch: sounds play only while it is exactly "on".
QString& sonido();

// Plays `name` when the sound switch is "on".
void playSound(const QString& name);

SoundPlayer& soundPlayer();
void installSoundPlayer(std::unique_ptr<SoundPlayer> player);

// The player that sounds through Qt Multimedia, from the sound module beside
// the executable or in the installed library folder; nullptr when the module
// is missing. Until the first sound, the default player has not loaded it.
std::unique_ptr<SoundPlayer> loadQtSoundPlayer();

// Remembers what was played, at which time of the clock.
class RecordingSoundPlayer final : public SoundPlayer {
public:
    struct Played {
        QString name;
        qint64 timeMs = 0;
    };
    void play(const QString& name) override;
    QVector<Played> take();

private:
    QVector<Played> played_;
};

} // namespace quenza::platform
