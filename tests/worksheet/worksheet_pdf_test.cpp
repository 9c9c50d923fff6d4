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
constexpr std::uint64_t kSeed = 4711;
constexpr int kRenderDpi = 200;

// Runs a program to its end; its standard output, or a failed check.
QString run(const QString& program, const QStringList& arguments,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning().noquote() << program << arguments << process.readAllStandardError();
        return QStringLiteral("<failed>");
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString makeWorksheet(const QStringList& arguments) {
    QProcessEnvironment headless = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                                QStringLiteral("QT_QPA_PLATFORM")}) {
        headless.remove(name);
    }
    return run(QStringLiteral(QUENZA_BINARY), arguments, headless);
}

QString pageText(const QString& pdf, int page) {
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
}

QStringList nonEmptyLines(const QString& text) {
    QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    for (QString& line : lines) {
        line = line.trimmed();
    }
    lines.removeAll(QString());
    return lines;
}

QString rowOf(const Board& board, int row) {
    std::u32string letters;
    for (int col = 1; col <= kSide; ++col) {
        letters.push_back(board.letra[static_cast<size_t>(cellAt(row, col))]);
    }
    return QString::fromStdU32String(letters);
}

QString withoutSpaces(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
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
    QString pdf;
    QString said;
    std::vector<WorksheetSheet> sheets;

    QString path(const QString& name) const { return folder.filePath(name); }

    PaperSize paperOf(const QString& file) const {
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral("Page size: +([0-9.]+) x ([0-9.]+) pts"))
                .match(run(QStringLiteral("pdfinfo"), {file}));
        return {size.captured(1).toDouble(), size.captured(2).toDouble()};
    }

    QImage render(int page) const {
        const QString prefix = path(QStringLiteral("page%1").arg(page));
        run(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(kRenderDpi), QStringLiteral("-f"),
             QString::number(page), QStringLiteral("-l"), QString::number(page),
             QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, prefix});
        return QImage(prefix + QStringLiteral(".png"));
    }

    QRgb pixelAt(const QImage& image, PagePoint at) const {
        const double dots = kRenderDpi / 72.0;
        return image.pixel(static_cast<int>(at.x * dots), static_cast<int>(at.y * dots));
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(folder.isValid());
        pdf = path(QStringLiteral("hoja.pdf"));
        said = makeWorksheet({QStringLiteral("--worksheet"), pdf, QStringLiteral("--count"),
                              QString::number(kSheets), QStringLiteral("--seed"),
                              QString::number(kSeed)});

        const auto lines = platform::readLines(platform::themesFile());
        QVERIFY(lines.has_value());
        std::vector<Word> library;
        for (const QString& line : *lines) {
            library.push_back(line.toStdU32String());
        }
        platform::GameRandom random(kSeed, platform::GameRandom::Reseeds::FromCountOnly);
        sheets = makeWorksheetBoards(library, {kSheets, 0}, random).sheets;
        QCOMPARE(sheets.size(), static_cast<size_t>(kSheets));
    }

    void tellsWhatItWrote() {
        QCOMPARE(said, pdf + QStringLiteral(": 7 sopas de letras con sus soluciones en 9 "
                                            "páginas, semilla 4711.\n"));
        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +9\n"))),
                 qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
        const QString fonts = run(QStringLiteral("pdffonts"), {pdf});
        QVERIFY2(fonts.contains(QRegularExpression(QStringLiteral("LiberationSans\\S* .* yes "))),
                 qPrintable(fonts));
    }

    // Title, then the grid row by row, then the words, then the footer.
    void puzzlePagesAreTheBoardsAsText() {
        for (int page = 1; page <= kSheets; ++page) {
            const Board& board = sheets[static_cast<size_t>(page - 1)].board;
            const QStringList lines = nonEmptyLines(pageText(pdf, page));
            QCOMPARE(lines.size(),
                     1 + kSide + (static_cast<int>(wordsToFind(board).size()) + 2) / 3 + 1);
            QCOMPARE(lines.first(), QString::fromStdU32String(board.titulo));
            for (int row = 1; row <= kSide; ++row) {
                QCOMPARE(withoutSpaces(lines.at(row)), rowOf(board, row));
            }
            QStringList words = lines.mid(1 + kSide, lines.size() - kSide - 2)
                                    .join(u' ')
                                    .split(u' ', Qt::SkipEmptyParts);
            QStringList expected;
            for (const Word& word : wordsToFind(board)) {
                expected.append(QString::fromStdU32String(word));
            }
            words.sort();
            expected.sort();
            QCOMPARE(words, expected);
            QCOMPARE(lines.last(), QStringLiteral("Hoja %1 de 9 · semilla 4711").arg(page));
        }
    }

    void keyPagesNameTheirSheets() {
        const QString first = pageText(pdf, 8);
        for (int sheet = 1; sheet <= 6; ++sheet) {
            const QString title =
                QString::fromStdU32String(sheets[static_cast<size_t>(sheet - 1)].board.titulo);
            QVERIFY2(first.contains(QStringLiteral("Hoja %1: %2").arg(sheet).arg(title)),
                     qPrintable(first));
        }
        QVERIFY(first.contains(QStringLiteral("Soluciones · Hoja 8 de 9 · semilla 4711")));
        QVERIFY(pageText(pdf, 9).contains(QStringLiteral("Hoja 7: ")));
    }

    // Both sides of every cell's letter: yellow exactly where a word runs.
    void keyBandsCoverExactlyTheWordCells() {
        const QImage keys = render(8);
        QVERIFY(!keys.isNull());
        const KeyPage page = keyPage(paperOf(pdf), kKeysPerPage);
        for (size_t k = 0; k < page.keys.size(); ++k) {
            const Board& board = sheets[k].board;
            const GridPlace& grid = page.keys[k].grid;
            std::set<int> wordCells;
            for (const SlotCells& slot : board.celdas_palabra) {
                wordCells.insert(slot.begin(), slot.begin() + kMaxLetters);
            }
            for (int cell = 1; cell <= kCells; ++cell) {
                const PagePoint centre = grid.cellCentre(cell);
                const double aside = 0.3 * grid.cell;
                const bool left = isBand(pixelAt(keys, {centre.x - aside, centre.y}));
                const bool right = isBand(pixelAt(keys, {centre.x + aside, centre.y}));
                const bool inWord = wordCells.count(cell) != 0;
                QVERIFY2(left == inWord && right == inWord,
                         qPrintable(QStringLiteral("key %1, cell %2").arg(k + 1).arg(cell)));
            }
        }
    }

    void puzzlePagesHaveNoBands() {
        const QImage puzzle = render(1);
        QVERIFY(!puzzle.isNull());
        for (int y = 0; y < puzzle.height(); ++y) {
            for (int x = 0; x < puzzle.width(); ++x) {
                QVERIFY(!isBand(puzzle.pixel(x, y)));
            }
        }
    }

    void aChosenThemeOnLetterPaperWithoutKeys() {
        const QString letter = path(QStringLiteral("carta.pdf"));
        makeWorksheet({QStringLiteral("--worksheet"), letter, QStringLiteral("--theme"),
                       QStringLiteral("3"), QStringLiteral("--count"), QStringLiteral("2"),
                       QStringLiteral("--no-key"), QStringLiteral("--paper"),
                       QStringLiteral("letter")});
        const QString info = run(QStringLiteral("pdfinfo"), {letter});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +2\n"))),
                 qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("612 x 792 pts (letter)")), qPrintable(info));
        const auto lines = platform::readLines(platform::themesFile());
        const QString title =
            QString::fromStdU32String(parseThemeLine(lines->at(2).toStdU32String()).title);
        for (int page = 1; page <= 2; ++page) {
            QCOMPARE(nonEmptyLines(pageText(letter, page)).first(), title);
        }
    }
};

QTEST_GUILESS_MAIN(WorksheetPdfTest)
#include "worksheet_pdf_test.moc"
