#pragma once

#include "worksheet/worksheet_pdf.h"

#include <QString>
#include <cstdint>
#include <iosfwd>
#include <optional>

namespace quenza::app {

// What the command line asked a worksheet to be.
struct WorksheetOptions {
    QString output;
    QString themesFile; // empty for the shipped temas.tem
    int count = 1;
    std::optional<std::uint64_t> seed; // none: one is drawn, and printed
    int themeLine = 0;                 // 0: a different theme for each sheet
    bool withKeys = true;
    worksheet::Paper paper = worksheet::Paper::A4;
};

// Exit statuses of a worksheet.
inline constexpr int kWorksheetWritten = 0;
inline constexpr int kWorksheetFailed = 1;
inline constexpr int kWorksheetBadUse = 2;

// Makes the boards and writes the PDF; tells what it wrote on `out`, or why
// it did not on `errors`. Needs a QGuiApplication for the fonts.
int worksheetCommand(const WorksheetOptions& options, std::ostream& out, std::ostream& errors);

} // namespace quenza::app
