#include "tchartpainter.h"

#include "treportchart.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QIODevice>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <memory>

namespace {

void paintPages(QPainter &painter, const QList<TChartPage> &pages,
                const PosLib::TCurrencies *currencies, const QSize &size)
{
    painter.fillRect(QRect(0, 0, size.width(), size.height() * int(pages.size())), Qt::white);
    for (int i = 0; i < pages.size(); ++i)
        paintChart(painter, QRectF(0, i * size.height(), size.width(), size.height()), pages.at(i),
                   currencies, size);
}

} // namespace

void paintChart(QPainter &painter, const QRectF &target, const TChartPage &page,
                const PosLib::TCurrencies *currencies, const QSizeF &layout)
{
    QGraphicsScene scene;
    QChart *chart = reportChart(page, currencies);
    scene.addItem(chart); // the scene owns it from here
    chart->setGeometry(QRectF(QPointF(0, 0), layout));
    // the chart lays itself out when its posted layout request is handled
    QCoreApplication::sendPostedEvents();
    scene.setSceneRect(QRectF(QPointF(0, 0), layout));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene.render(&painter, target, scene.sceneRect(), Qt::KeepAspectRatio);
    painter.restore();
}

QImage chartImage(const QList<TChartPage> &pages, const PosLib::TCurrencies *currencies,
                  const QSize &size)
{
    const int count = std::max<int>(1, int(pages.size()));
    QImage image(size.width(), size.height() * count, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPages(painter, pages, currencies, size);
    painter.end();
    return image;
}

bool writeChartPng(QIODevice &device, const QList<TChartPage> &pages,
                   const PosLib::TCurrencies *currencies, const QSize &size)
{
    return chartImage(pages, currencies, size).save(&device, "PNG");
}

bool writeChartSvg(QIODevice &device, const QList<TChartPage> &pages,
                   const PosLib::TCurrencies *currencies, const QString &title, const QSize &size)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    const QSize whole(size.width(), size.height() * std::max<int>(1, int(pages.size())));
    svg.setSize(whole);
    svg.setViewBox(QRect(QPoint(0, 0), whole));
    svg.setTitle(title);
    svg.setDescription(QStringLiteral("veltrum"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    paintPages(painter, pages, currencies, size);
    return painter.end() && device.isOpen();
}
