#include "artwork/picture_catalogue.h"

#include "artwork/artwork.h"
#include "artwork/joker_pictures.h"

#include <QHash>
#include <utility>

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

QIcon pictureIcon(const QString& id, QSize size) {
    // Kept for the whole run, past the application object's end: never freed.
    static auto* made = new QHash<std::pair<QString, std::pair<int, int>>, QIcon>;
    const auto key = std::make_pair(id, std::make_pair(size.width(), size.height()));
    const auto found = made->constFind(key);
    if (found != made->constEnd()) {
        return *found;
    }
    const QPixmap picture = pictureById(id, size);
    if (picture.isNull()) {
        return {};
    }
    return *made->insert(key, QIcon(picture));
}

} // namespace quenza
