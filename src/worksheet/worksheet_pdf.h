#pragma once

#include "worksheet/worksheet_painter.h"

#include <QString>
#include <optional>

class QIODevice;

namespace quenza::worksheet {

enum class Paper { A4, Letter };

// Writes the pages as a PDF to an open device.
bool writePdf(QIODevice& out, const Pages& pages, Paper paper);

// Writes the pages as a PDF file at `path`, replacing any file there only
// once the whole new one is written: a failure leaves no half-written file.
// Returns why it failed, in Spanish, or nothing.
std::optional<QString> writePdfFile(const QString& path, const Pages& pages, Paper paper);

} // namespace quenza::worksheet
