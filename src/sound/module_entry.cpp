// The entry point the game looks up after loading this module.
#include "sound/qt_sound_player.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT quenza::platform::SoundPlayer*
quenza_make_sound_player(const QString& fxFolder) {
    return new quenza::sound::QtSoundPlayer(fxFolder);
}
