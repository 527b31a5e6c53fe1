#include "ttextchartsprint.h"

#include "tchartpainter.h"
#include "terror.h"
#include "tsavefile.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

void printTextAndCharts(QPagedPaintDevice *device, const QStringList &lines,
                        const QList<TChartPage> &pages, const PosLib::TCurrencies *currencies)
{
    QTextDocument document;
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(8);
    document.setDefaultFont(font);
    QString html = QStringLiteral("<pre>") + lines.join(QLatin1Char('\n')).toHtmlEscaped()
                   + QStringLiteral("</pre>");
    for (int i = 0; i < pages.size(); ++i) {
        const QString name = QStringLiteral("chart%1.png").arg(i);
        document.addResource(QTextDocument::ImageResource, QUrl(name),
                             chartImage({pages.at(i)}, currencies, QSize(900, 500)));
        html += QStringLiteral("<p><img src=\"%1\" width=\"600\"></p>").arg(name);
    }
    document.setHtml(html);
    document.print(device);
}

bool saveTextAndChartsPdf(const QString &fileName, const QString &title, const QStringList &lines,
                          const QList<TChartPage> &pages, const PosLib::TCurrencies *currencies)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Veltrum"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        printTextAndCharts(&pdf, lines, pages, currencies);
    }
    try {
        Basics::TSaveFile save(fileName);
        save.open();
        save.write(bytes);
        save.commit();
    } catch (const Basics::TError &) {
        return false;
    }
    return true;
}
