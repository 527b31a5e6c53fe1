#include "tpdfwriter.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

// One thing on a page: a line of text, or a figure.
struct Block
{
    int page = 0;
    int top = 0;
    int line = -1; // index into the lines, -1 for a figure
    int figure = -1;
};

} // namespace

bool writePdf(QIODevice &device, const QStringList &lines, const QString &title,
              const TPdfFigure &figure)
{
    QPdfWriter pdf(&device);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("veltrum"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    pdf.setResolution(300);

    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(9);
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    painter.setFont(font);
    const QFontMetrics metrics(font, &pdf);
    const int lineHeight = metrics.lineSpacing();
    const QRect area = painter.viewport();
    // the last two lines of a page hold its number
    const int bottom = std::max(lineHeight, area.height() - 2 * lineHeight);
    const int figureHeight
            = std::min(bottom, int(area.width() * figure.aspect)) + (figure.paint ? lineHeight : 0);

    // where everything goes
    QList<Block> blocks;
    int page = 0;
    int y = 0;
    auto place = [&](Block block, int height) {
        if (y > 0 && y + height > bottom) {
            ++page;
            y = 0;
        }
        block.page = page;
        block.top = y;
        blocks << block;
        y += height;
    };
    auto placeFigures = [&] {
        for (int i = 0; figure.paint && i < figure.count; ++i)
            place(Block {0, 0, -1, i}, figureHeight);
    };
    if (figure.afterLine < 0)
        placeFigures();
    for (int i = 0; i < lines.size(); ++i) {
        place(Block {0, 0, i, -1}, lineHeight);
        if (i == figure.afterLine)
            placeFigures();
    }
    const int pages = page + 1;

    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !pdf.newPage())
            return false;
        for (const Block &block : std::as_const(blocks)) {
            if (block.page != p)
                continue;
            if (block.line >= 0)
                painter.drawText(0, block.top + metrics.ascent(), lines.at(block.line));
            else
                figure.paint(painter, QRectF(0, block.top, area.width(), figureHeight - lineHeight),
                             block.figure);
        }
        const QString number
                = QCoreApplication::translate("veltrum", "Page %1 of %2").arg(p + 1).arg(pages);
        const int footer = area.height() - metrics.descent();
        painter.drawText(0, footer, title);
        painter.drawText(area.width() - metrics.horizontalAdvance(number), footer, number);
    }
    return painter.end();
}
