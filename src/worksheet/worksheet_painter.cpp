#include "worksheet/worksheet_painter.h"

#include "puzzle/worksheet.h"
#include "puzzle/worksheet_layout.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace quenza::worksheet {

namespace {

// Liberation Sans is installed with the game; the PDF embeds the part of it
// the page uses, so it reads the same anywhere.
const QString kFontFamily = QStringLiteral("Liberation Sans");

const QColor kInk(0, 0, 0);
const QColor kFooterInk(90, 90, 90);
const QColor kRule(180, 180, 180);
const QColor kFrame(110, 110, 110);
// A highlighter's yellow, see-through so that crossing words show darker; the
// outline keeps the bands readable on a black-and-white printer.
const QColor kBandFill(255, 221, 0, 150);
const QColor kBandOutline(70, 70, 70);
constexpr double kRuleWidth = 0.5;
constexpr double kFrameWidth = 1;
constexpr double kBandOutlineWidth = 0.6;

// Draws in points on a device that counts in its own dots.
class PagePainter {
public:
    explicit PagePainter(QPagedPaintDevice& device)
        : device_(device), dots_(device.logicalDpiX() / 72.0) {}

    bool begin() { return painter_.begin(&device_); }
    void end() { painter_.end(); }
    bool newPage() { return device_.newPage(); }

    PaperSize paper() const {
        const QRectF full = device_.pageLayout().fullRect(QPageLayout::Point);
        return {full.width(), full.height()};
    }

    // One line, shrunk until it fits its box.
    void text(const TextPlace& place, const QString& text, Qt::Alignment alignment,
              const QColor& ink = kInk, bool bold = false) {
        QFont font = fontOf(place.size, bold);
        const double width = QFontMetricsF(font, &device_).horizontalAdvance(text);
        if (width > dots(place.box.width)) {
            font.setPointSizeF(place.size * dots(place.box.width) / width);
        }
        painter_.setFont(font);
        painter_.setPen(ink);
        painter_.drawText(rect(place.box), static_cast<int>(alignment | Qt::AlignVCenter), text);
    }

    void grid(const GridPlace& grid, const Board& board, const std::vector<Band>& bands) {
        painter_.setBrush(Qt::NoBrush);
        painter_.setPen(QPen(kRule, dots(kRuleWidth)));
        for (int line = 1; line < kSide; ++line) {
            const double at = line * grid.cell;
            painter_.drawLine(point({grid.box.x + at, grid.box.y}),
                              point({grid.box.x + at, grid.box.bottom()}));
            painter_.drawLine(point({grid.box.x, grid.box.y + at}),
                              point({grid.box.right(), grid.box.y + at}));
        }
        painter_.setPen(QPen(kFrame, dots(kFrameWidth)));
        painter_.drawRect(rect(grid.box));
        for (const Band& band : bands) {
            drawBand(band);
        }
        letters(grid, board);
    }

private:
    double dots(double points) const { return points * dots_; }
    QPointF point(PagePoint at) const { return {dots(at.x), dots(at.y)}; }
    QRectF rect(const PageBox& box) const {
        return {dots(box.x), dots(box.y), dots(box.width), dots(box.height)};
    }

    static QFont fontOf(double size, bool bold) {
        QFont font(kFontFamily);
        font.setPointSizeF(size);
        font.setBold(bold);
        return font;
    }

    // Every letter centred on its cell: across by its own width, down by the
    // height of a capital.
    void letters(const GridPlace& grid, const Board& board) {
        const QFont font = fontOf(grid.letterSize, false);
        const QFontMetricsF metrics(font, &device_);
        painter_.setFont(font);
        painter_.setPen(kInk);
        for (int cell = 1; cell <= kCells; ++cell) {
            const QString letter = QString::fromStdU32String(
                std::u32string(1, board.letra[static_cast<size_t>(cell)]));
            const QPointF centre = point(grid.cellCentre(cell));
            painter_.drawText(QPointF(centre.x() - metrics.horizontalAdvance(letter) / 2,
                                      centre.y() + metrics.capHeight() / 2),
                              letter);
        }
    }

    // A capsule laid along the band: a rounded rectangle turned to its slope.
    void drawBand(const Band& band) {
        const QPointF from = point(band.from);
        const QPointF to = point(band.to);
        const double radius = dots(band.width) / 2;
        const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
        painter_.save();
        painter_.translate(from);
        painter_.rotate(std::atan2(to.y() - from.y(), to.x() - from.x()) * 180 / M_PI);
        QPainterPath capsule;
        capsule.addRoundedRect(QRectF(-radius, -radius, length + 2 * radius, 2 * radius), radius,
                               radius);
        painter_.fillPath(capsule, kBandFill);
        painter_.strokePath(capsule, QPen(kBandOutline, dots(kBandOutlineWidth)));
        painter_.restore();
    }

    QPagedPaintDevice& device_;
    double dots_;
    QPainter painter_;
};

QString footerText(int page, int pageCount, const std::optional<std::uint64_t>& seed,
                   const QString& what = {}) {
    QString text = QStringLiteral("Hoja %1 de %2").arg(page).arg(pageCount);
    if (!what.isEmpty()) {
        text = what + QStringLiteral(" · ") + text;
    }
    if (seed) {
        text += QStringLiteral(" · semilla %1").arg(*seed);
    }
    return text;
}

QString titleOf(const Board& board) {
    return QString::fromStdU32String(board.titulo);
}

void paintPuzzle(PagePainter& painter, const Board& board, const QString& footer) {
    const std::vector<Word> words = wordsToFind(board);
    const PuzzlePage page = puzzlePage(painter.paper(), static_cast<int>(words.size()));
    painter.text(page.title, titleOf(board), Qt::AlignHCenter, kInk, true);
    painter.grid(page.grid, board, {});
    for (size_t w = 0; w < words.size(); ++w) {
        painter.text(page.words[w], QString::fromStdU32String(words[w]), Qt::AlignLeft);
    }
    painter.text(page.footer, footer, Qt::AlignHCenter, kFooterInk);
}

// The keys of the sheets from `first` on, as many as fit on a page.
void paintKeys(PagePainter& painter, const Pages& pages, size_t first, const QString& footer) {
    const size_t count = std::min(pages.boards.size() - first, static_cast<size_t>(kKeysPerPage));
    const KeyPage page = keyPage(painter.paper(), static_cast<int>(count));
    for (size_t k = 0; k < count; ++k) {
        const Board& board = *pages.boards[first + k];
        const KeyPlace& key = page.keys[k];
        painter.text(key.title,
                     QStringLiteral("Hoja %1: %2").arg(first + k + 1).arg(titleOf(board)),
                     Qt::AlignHCenter, kInk, true);
        painter.grid(key.grid, board, keyBands(board, key.grid));
    }
    painter.text(page.footer, footer, Qt::AlignHCenter, kFooterInk);
}

} // namespace

bool paintWorksheet(QPagedPaintDevice& device, const Pages& pages) {
    PagePainter painter(device);
    if (!painter.begin()) {
        return false;
    }
    const int sheets = static_cast<int>(pages.boards.size());
    const int pageCount = worksheetPageCount(sheets, pages.withKeys);
    int page = 0;
    const auto nextPage = [&] { return ++page == 1 || painter.newPage(); };
    for (const Board* board : pages.boards) {
        if (!nextPage()) {
            return false;
        }
        paintPuzzle(painter, *board, footerText(page, pageCount, pages.seed));
    }
    if (pages.withKeys) {
        for (int first = 0; first < sheets; first += kKeysPerPage) {
            if (!nextPage()) {
                return false;
            }
            paintKeys(painter, pages, static_cast<size_t>(first),
                      footerText(page, pageCount, pages.seed, QStringLiteral("Soluciones")));
        }
    }
    painter.end();
    return true;
}

} // namespace quenza::worksheet
