#include "tpdfwriter.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

bool writePdf(QIODevice &device, const QStringList &lines, const QString &title)
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
    const int perPage = std::max(1, area.height() / lineHeight - 2);
    const int pages = std::max<int>(1, int((lines.size() + perPage - 1) / perPage));

    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !pdf.newPage())
            return false;
        int y = metrics.ascent();
        for (int i = page * perPage; i < std::min<int>(int(lines.size()), (page + 1) * perPage);
             ++i) {
            painter.drawText(0, y, lines.at(i));
            y += lineHeight;
        }
        const QString number
                = QCoreApplication::translate("veltrum", "Page %1 of %2").arg(page + 1).arg(pages);
        const int footer = area.height() - metrics.descent();
        painter.drawText(0, footer, title);
        painter.drawText(area.width() - metrics.horizontalAdvance(number), footer, number);
    }
    return painter.end();
}
