#include "artwork/picture_catalogue.h"

#include "artwork/artwork.h"
#include "artwork/joker_pictures.h"

namespace quenza {

QPixmap pictureById(const QString& id, QSize size) {
    if (id == QLatin1String(kLogoPicture)) {
        return quenzaLogo(size);
    }
    if (id == QLatin1String(kAcceptGreenPicture)) {
        return acceptButtonGreen(size);
    }
    if (id == QLatin1String(kAcceptRedPicture)) {
        return acceptButtonRed(size);
    }
    if (id == QLatin1String(kStopPicture)) {
        return stopPicture(size);
    }
    for (int joker = 1; joker <= kEspecialPicture; ++joker) {
        if (id == jokerPictureId(joker)) {
            return jokerPicture(joker, size);
        }
    }
    return {};
}

} // namespace quenza
