// A teacher's booklet: 100 puzzles from the shipped themes with their answer
// keys, from the seed to the last byte of the PDF. The size is reported as
// the `bytes` counter.
#include "platform/game_random.h"
#include "platform/system.h"
#include "platform/text_file.h"
#include "puzzle/worksheet.h"
#include "worksheet/worksheet_pdf.h"

#include <QBuffer>
#include <benchmark/benchmark.h>

namespace {

using namespace quenza;

constexpr int kBookletSheets = 100;

void BM_WorksheetBooklet(benchmark::State& state) {
    std::vector<Word> library;
    for (const QString& line : platform::readLinesOrEmpty(platform::themesFile())) {
        library.push_back(line.toStdU32String());
    }
    qint64 bytes = 0;
    for (auto _ : state) {
        platform::GameRandom random(4711, platform::GameRandom::Reseeds::FromCountOnly);
        const WorksheetBoards boards = makeWorksheetBoards(library, {kBookletSheets, 0}, random);
        worksheet::Pages pages{{}, true, 4711};
        for (const WorksheetSheet& sheet : boards.sheets) {
            pages.boards.push_back(&sheet.board);
        }
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        if (boards.sheets.size() != kBookletSheets ||
            !worksheet::writePdf(pdf, pages, worksheet::Paper::A4)) {
            state.SkipWithError("the booklet could not be made");
            break;
        }
        bytes = pdf.size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WorksheetBooklet)->Unit(benchmark::kMillisecond);

} // namespace
