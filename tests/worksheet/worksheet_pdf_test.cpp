// The worksheet as a teacher gets it: written by the game's binary with no
// display, then read back with poppler's tools and checked against the boards
// the generator gives for the same seed.
#include "platform/game_random.h"
#include "platform/system.h"
#include "platform/text_file.h"
#include "puzzle/theme.h"
#include "puzzle/worksheet.h"
#include "puzzle/worksheet_layout.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <set>

using namespace quenza;

namespace {

constexpr int kSheets = 7; // a full page of keys and one more
constexpr int kRenderDpi = 200;

// Runs a program, its arguments split at the spaces of `arguments` and
// followed by `more`, to its end; its standard output, or a failed check.
QString run(const char* program, const char* arguments, const QStringList& more = {}) {
    QProcessEnvironment headless = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        headless.remove(QString::fromUtf8(name));
    }
    QProcess process;
    process.setProcessEnvironment(headless);
    process.start(QString::fromUtf8(program),
                  QString::fromUtf8(arguments).split(u' ', Qt::SkipEmptyParts) + more);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning().noquote() << program << arguments << more << process.readAllStandardError();
        return QStringLiteral("<failed>");
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The page's lines of text, trimmed, the empty ones left out.
QStringList pageLines(const QString& pdf, int page) {
    const QString number = QString::number(page);
    QStringList lines;
    for (const QString& line : run("pdftotext", "-layout -f",
                                   {number, QStringLiteral("-l"), number, pdf, QStringLiteral("-")})
                                   .split(u'\n')) {
        if (!line.trimmed().isEmpty()) {
            lines.append(line.trimmed());
        }
    }
    return lines;
}

// The highlighter's yellow, alone or crossed by another band; never the
// black of a letter, the grey of a rule or the white of the paper.
bool isBand(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) > 170 && qBlue(pixel) < 150;
}

} // namespace

class WorksheetPdfTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;
    QString pdf = folder.filePath(QStringLiteral("hoja.pdf"));
    QString said;
    std::vector<WorksheetSheet> sheets;

    QImage render(int page) const {
        const QString prefix = folder.filePath(QStringLiteral("page%1").arg(page));
        run("pdftoppm", "-r 200 -png -singlefile -f",
            {QString::number(page), QStringLiteral("-l"), QString::number(page), pdf, prefix});
        return QImage(prefix + QStringLiteral(".png"));
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(folder.isValid());
        said = run(QUENZA_BINARY, "--count 7 --seed 4711 --worksheet", {pdf});
        const auto lines = platform::readLines(platform::themesFile());
        QVERIFY(lines.has_value());
        std::vector<Word> library;
        for (const QString& line : *lines) {
            library.push_back(line.toStdU32String());
        }
        platform::GameRandom random(4711, platform::GameRandom::Reseeds::FromCountOnly);
        sheets = makeWorksheetBoards(library, {kSheets, 0}, random).sheets;
        QCOMPARE(sheets.size(), static_cast<size_t>(kSheets));
    }

    void tellsWhatItWrote() {
        QCOMPARE(said, pdf + QStringLiteral(": 7 sopas de letras con sus soluciones en 9 "
                                            "páginas, semilla 4711.\n"));
        const QString info = run("pdfinfo", "", {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +9\n"))) &&
                     info.contains(QStringLiteral("(A4)")),
                 qPrintable(info));
        const QString fonts = run("pdffonts", "", {pdf});
        QVERIFY2(fonts.contains(QRegularExpression(QStringLiteral("LiberationSans\\S* .* yes "))),
                 qPrintable(fonts));
    }

    // Title, then the grid row by row, then the words, then the footer.
    void puzzlePagesAreTheBoardsAsText() {
        for (int page = 1; page <= kSheets; ++page) {
            const Board& board = sheets[static_cast<size_t>(page - 1)].board;
            const QStringList lines = pageLines(pdf, page);
            const std::vector<Word> words = wordsToFind(board);
            QCOMPARE(lines.size(), 1 + kSide + (static_cast<int>(words.size()) + 2) / 3 + 1);
            QCOMPARE(lines.first(), QString::fromStdU32String(board.titulo));
            for (int row = 1; row <= kSide; ++row) {
                std::u32string letters;
                for (int col = 1; col <= kSide; ++col) {
                    letters.push_back(board.letra[static_cast<size_t>(cellAt(row, col))]);
                }
                QCOMPARE(QString(lines.at(row)).remove(u' '), QString::fromStdU32String(letters));
            }
            QStringList shown = lines.mid(1 + kSide, lines.size() - kSide - 2)
                                    .join(u' ')
                                    .split(u' ', Qt::SkipEmptyParts);
            QStringList expected;
            for (const Word& word : words) {
                expected.append(QString::fromStdU32String(word));
            }
            shown.sort();
            expected.sort();
            QCOMPARE(shown, expected);
            QCOMPARE(lines.last(), QStringLiteral("Hoja %1 de 9 · semilla 4711").arg(page));
        }
    }

    void keyPagesNameTheirSheets() {
        const QString first = pageLines(pdf, 8).join(u'\n');
        for (int sheet = 1; sheet <= 6; ++sheet) {
            const QString title =
                QString::fromStdU32String(sheets[static_cast<size_t>(sheet - 1)].board.titulo);
            QVERIFY2(first.contains(QStringLiteral("Hoja %1: %2").arg(sheet).arg(title)),
                     qPrintable(first));
        }
        QVERIFY(first.contains(QStringLiteral("Soluciones · Hoja 8 de 9 · semilla 4711")));
        QVERIFY(pageLines(pdf, 9).join(u'\n').contains(QStringLiteral("Hoja 7: ")));
    }

    // Both sides of every cell's letter: yellow exactly where a word runs, and
    // nowhere on a puzzle page.
    void keyBandsCoverExactlyTheWordCells() {
        const QImage keys = render(8);
        QVERIFY(!keys.isNull());
        const auto yellowAt = [&keys](PagePoint at) {
            const double dots = kRenderDpi / 72.0;
            return isBand(keys.pixel(static_cast<int>(at.x * dots), static_cast<int>(at.y * dots)));
        };
        const KeyPage page = keyPage(kA4Paper, kKeysPerPage);
        for (size_t k = 0; k < page.keys.size(); ++k) {
            const GridPlace& grid = page.keys[k].grid;
            std::set<int> wordCells;
            for (const SlotCells& slot : sheets[k].board.celdas_palabra) {
                wordCells.insert(slot.begin(), slot.begin() + kMaxLetters);
            }
            for (int cell = 1; cell <= kCells; ++cell) {
                const PagePoint centre = grid.cellCentre(cell);
                const bool inWord = wordCells.count(cell) != 0;
                QVERIFY2(yellowAt({centre.x - 0.3 * grid.cell, centre.y}) == inWord &&
                             yellowAt({centre.x + 0.3 * grid.cell, centre.y}) == inWord,
                         qPrintable(QStringLiteral("key %1, cell %2").arg(k + 1).arg(cell)));
            }
        }
        const QImage puzzle = render(1);
        QVERIFY(!puzzle.isNull());
        for (int y = 0; y < puzzle.height(); ++y) {
            for (int x = 0; x < puzzle.width(); ++x) {
                QVERIFY(!isBand(puzzle.pixel(x, y)));
            }
        }
    }

    void aChosenThemeOnLetterPaperWithoutKeys() {
        const QString letter = folder.filePath(QStringLiteral("carta.pdf"));
        run(QUENZA_BINARY, "--theme 3 --count 2 --no-key --paper letter --worksheet", {letter});
        const QString info = run("pdfinfo", "", {letter});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +2\n"))) &&
                     info.contains(QStringLiteral("612 x 792 pts (letter)")),
                 qPrintable(info));
        const auto lines = platform::readLines(platform::themesFile());
        const QString title =
            QString::fromStdU32String(parseThemeLine(lines->at(2).toStdU32String()).title);
        for (int page = 1; page <= 2; ++page) {
            QCOMPARE(pageLines(letter, page).first(), title);
        }
    }
};

QTEST_GUILESS_MAIN(WorksheetPdfTest)
#include "worksheet_pdf_test.moc"
