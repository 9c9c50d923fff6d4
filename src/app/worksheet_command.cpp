#include "worksheet_command.h"

#include "platform/game_random.h"
#include "platform/system.h"
#include "platform/text_file.h"
#include "puzzle/worksheet.h"
#include "puzzle/worksheet_layout.h"

#include <QDir>
#include <ostream>
#include <random>

namespace quenza::app {

namespace {

// A seed short enough for a teacher to copy from the footer.
constexpr std::uint64_t kDrawnSeeds = 1000000;

std::uint64_t drawSeed() {
    std::random_device device;
    return device() % kDrawnSeeds;
}

std::string native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdString();
}

// Tells why there are no boards; returns the exit status.
int tellProblem(const WorksheetBoards& boards, const WorksheetOptions& options,
                const QString& themesFile, size_t lines, std::ostream& errors) {
    const std::string file = native(themesFile);
    switch (boards.problem) {
    case WorksheetProblem::NoPlayableTheme:
        errors << "quenza: ningún tema del archivo de temas pone palabras en el tablero: " << file
               << "\nRevíselo con «quenza --check-themes " << file << "».\n";
        return kWorksheetFailed;
    case WorksheetProblem::ThemeOutOfRange:
        errors << "quenza: --theme " << options.themeLine
               << " no es una línea del archivo de temas, "
               << "que tiene " << lines << (lines == 1 ? " línea: " : " líneas: ") << file << "\n";
        return kWorksheetBadUse;
    case WorksheetProblem::ThemeUnplayable:
        errors << "quenza: el tema de la línea " << options.themeLine
               << " no pone ninguna palabra en el tablero: " << file << "\nRevíselo con «quenza "
               << "--check-themes " << file << "».\n";
        return kWorksheetFailed;
    case WorksheetProblem::TooFewThemes:
        errors << "quenza: --count " << options.count << " pide un tema distinto para cada sopa, "
               << "pero solo " << boards.playableThemes
               << (boards.playableThemes == 1 ? " tema se puede jugar" : " temas se pueden jugar")
               << " en " << file << "\n";
        return kWorksheetBadUse;
    case WorksheetProblem::None:
        break;
    }
    return kWorksheetWritten;
}

} // namespace

int worksheetCommand(const WorksheetOptions& options, std::ostream& out, std::ostream& errors) {
    platform::setThemesFile(options.themesFile);
    const QString themesFile = platform::themesFile();
    const auto lines = platform::readLines(themesFile);
    if (!lines) {
        errors << "quenza: no se puede leer el archivo de temas: " << native(themesFile) << "\n";
        return kWorksheetFailed;
    }
    std::vector<Word> library;
    library.reserve(static_cast<size_t>(lines->size()));
    for (const QString& line : *lines) {
        library.push_back(line.toStdU32String());
    }

    const std::uint64_t seed = options.seed.value_or(drawSeed());
    platform::GameRandom random(seed, platform::GameRandom::Reseeds::FromCountOnly);
    const WorksheetBoards boards =
        makeWorksheetBoards(library, {options.count, options.themeLine}, random);
    if (boards.problem != WorksheetProblem::None) {
        return tellProblem(boards, options, themesFile, library.size(), errors);
    }

    worksheet::Pages pages{{}, options.withKeys, seed};
    for (const WorksheetSheet& sheet : boards.sheets) {
        pages.boards.push_back(&sheet.board);
    }
    if (const auto failure = worksheet::writePdfFile(options.output, pages, options.paper)) {
        errors << "quenza: no se puede escribir " << native(options.output) << ": "
               << failure->toStdString() << "\n";
        return kWorksheetFailed;
    }
    const size_t sheets = boards.sheets.size();
    const int pageCount = worksheetPageCount(static_cast<int>(sheets), options.withKeys);
    out << native(options.output) << ": " << sheets
        << (sheets == 1 ? " sopa de letras" : " sopas de letras")
        << (options.withKeys ? " con sus soluciones" : "") << " en " << pageCount
        << (pageCount == 1 ? " página" : " páginas") << ", semilla " << seed << ".\n";
    return kWorksheetWritten;
}

} // namespace quenza::app
