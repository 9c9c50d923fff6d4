#include "worksheet/worksheet_pdf.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace quenza::worksheet {

namespace {

// Fine enough for smooth round bands; text stays text at any resolution.
constexpr int kDotsPerInch = 600;

// Why a file could not be opened for writing, in the player's words (Qt's
// own are in English).
QString whyNotOpened(const QString& path, const QSaveFile& file) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return QStringLiteral("es una carpeta");
    }
    if (!info.absoluteDir().exists()) {
        return QStringLiteral("no existe la carpeta %1")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    }
    if (file.error() == QFileDevice::PermissionsError) {
        return QStringLiteral("no hay permiso para escribir ahí");
    }
    return QStringLiteral("no se puede crear");
}

} // namespace

bool writePdf(QIODevice& out, const Pages& pages, Paper paper) {
    QPdfWriter writer(&out);
    writer.setCreator(QStringLiteral("Quenza"));
    writer.setTitle(QStringLiteral("Sopas de letras"));
    writer.setResolution(kDotsPerInch);
    writer.setPageLayout(
        QPageLayout(QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4),
                    QPageLayout::Portrait, QMarginsF()));
    return paintWorksheet(writer, pages);
}

std::optional<QString> writePdfFile(const QString& path, const Pages& pages, Paper paper) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return whyNotOpened(path, file);
    }
    if (!writePdf(file, pages, paper)) {
        file.cancelWriting();
        return QStringLiteral("no se pudieron dibujar las hojas");
    }
    if (!file.commit()) {
        return QStringLiteral("no se pudo terminar de escribir (¿está lleno el disco?)");
    }
    return std::nullopt;
}

} // namespace quenza::worksheet
