#include "pixmapresource.h"

#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

#include <functional>

namespace {

// Colours of one theme: the tile, the glyph's strokes and its fill.
struct Palette
{
    QColor tile;
    QColor ink;
    QColor paper;
    QColor accent;
    QColor warn;
};

Palette paletteOf(const QString &theme, const QColor &tile)
{
    if (theme == QLatin1String("contrast"))
        return {Qt::black, Qt::white, QColor(40, 40, 40), QColor(255, 220, 0), QColor(255, 80, 80)};
    return {tile, QColor(40, 44, 52), Qt::white, QColor(255, 196, 0), QColor(210, 40, 40)};
}

// Glyphs are drawn on a 32 x 32 grid.
using Glyph = std::function<void(QPainter &, const Palette &)>;

void sheet(QPainter &p, const Palette &c, qreal x, qreal y)
{
    p.setBrush(c.paper);
    p.setPen(QPen(c.ink, 1.5));
    QPainterPath path;
    path.moveTo(x, y);
    path.lineTo(x + 12, y);
    path.lineTo(x + 17, y + 5);
    path.lineTo(x + 17, y + 22);
    path.lineTo(x, y + 22);
    path.closeSubpath();
    p.drawPath(path);
}

void table(QPainter &p, const Palette &c)
{
    p.setPen(QPen(c.ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(c.paper);
    p.drawRoundedRect(QRectF(5, 11, 22, 5), 1.5, 1.5);
    p.drawLine(QPointF(9, 16), QPointF(8, 26));
    p.drawLine(QPointF(23, 16), QPointF(24, 26));
}

void person(QPainter &p, const Palette &c, qreal x)
{
    p.setPen(QPen(c.ink, 1.5));
    p.setBrush(c.paper);
    p.drawEllipse(QPointF(x, 10), 4.5, 4.5);
    QPainterPath body;
    body.moveTo(x - 8, 27);
    body.cubicTo(x - 8, 17, x + 8, 17, x + 8, 27);
    body.closeSubpath();
    p.drawPath(body);
}

void circleArrow(QPainter &p, const Palette &c, const QColor &color)
{
    p.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(7, 7, 18, 18), 60 * 16, 270 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF({QPointF(17, 3), QPointF(25, 8), QPointF(17, 12)}));
    Q_UNUSED(c);
}

void lock(QPainter &p, const Palette &c, qreal x, qreal y)
{
    p.setPen(QPen(c.ink, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(x + 2, y - 6, 8, 10), 0, 180 * 16);
    p.drawLine(QPointF(x + 2, y - 1), QPointF(x + 2, y + 1));
    p.drawLine(QPointF(x + 10, y - 1), QPointF(x + 10, y + 1));
    p.setBrush(c.accent);
    p.drawRect(QRectF(x, y, 12, 9));
}

void cross(QPainter &p, const Palette &c, qreal x, qreal y)
{
    p.setPen(QPen(c.warn, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x, y), QPointF(x + 9, y + 9));
    p.drawLine(QPointF(x + 9, y), QPointF(x, y + 9));
}

void coin(QPainter &p, const Palette &c, qreal x, qreal y)
{
    p.setPen(QPen(c.ink, 1.3));
    p.setBrush(c.accent);
    p.drawEllipse(QPointF(x, y), 5.5, 5.5);
    p.drawLine(QPointF(x, y - 3), QPointF(x, y + 3));
}

void diamond(QPainter &p, const Palette &c)
{
    p.setPen(QPen(c.ink, 1.5));
    p.setBrush(QColor(120, 200, 255));
    p.drawPolygon(QPolygonF(
            {QPointF(16, 27), QPointF(4, 13), QPointF(9, 6), QPointF(23, 6), QPointF(28, 13)}));
    p.drawLine(QPointF(4, 13), QPointF(28, 13));
    p.drawLine(QPointF(16, 27), QPointF(12, 13));
    p.drawLine(QPointF(16, 27), QPointF(20, 13));
}

const QMap<QString, QPair<QColor, Glyph>> &glyphs()
{
    static const QMap<QString, QPair<QColor, Glyph>> all = {
            {QStringLiteral("REPORTING"),
             {QColor(70, 130, 200),
              [](QPainter &p, const Palette &c) {
                  sheet(p, c, 7, 5);
                  p.setPen(Qt::NoPen);
                  p.setBrush(c.accent);
                  p.drawRect(QRectF(10, 19, 3, 5));
                  p.setBrush(QColor(80, 170, 90));
                  p.drawRect(QRectF(14.5, 14, 3, 10));
                  p.setBrush(c.warn);
                  p.drawRect(QRectF(19, 17, 3, 7));
              }}},
            {QStringLiteral("FILTER"),
             {QColor(120, 100, 190),
              [](QPainter &p, const Palette &c) {
                  p.setPen(QPen(c.ink, 1.5));
                  p.setBrush(c.accent);
                  p.drawPolygon(
                          QPolygonF({QPointF(5, 6), QPointF(27, 6), QPointF(18.5, 16),
                                     QPointF(18.5, 26), QPointF(13.5, 23), QPointF(13.5, 16)}));
              }}},
            {QStringLiteral("BATCHREPORT"),
             {QColor(60, 150, 150),
              [](QPainter &p, const Palette &c) {
                  sheet(p, c, 4, 3);
                  sheet(p, c, 8, 6);
                  sheet(p, c, 12, 8);
                  p.setPen(QPen(c.ink, 1.2));
                  for (int y = 16; y <= 25; y += 3)
                      p.drawLine(QPointF(15, y), QPointF(26, y));
              }}},
            {QStringLiteral("OPENTABLES"),
             {QColor(70, 160, 90),
              [](QPainter &p, const Palette &c) {
                  table(p, c);
                  p.setPen(QPen(c.accent, 2.5, Qt::SolidLine, Qt::RoundCap));
                  p.drawLine(QPointF(16, 3), QPointF(16, 8));
                  p.drawLine(QPointF(10, 5), QPointF(12, 8));
                  p.drawLine(QPointF(22, 5), QPointF(20, 8));
              }}},
            {QStringLiteral("PAIDTABLES"),
             {QColor(200, 140, 50),
              [](QPainter &p, const Palette &c) {
                  table(p, c);
                  coin(p, c, 16, 6);
              }}},
            {QStringLiteral("REPORTRANGE"),
             {QColor(190, 80, 80),
              [](QPainter &p, const Palette &c) {
                  p.setPen(QPen(c.ink, 1.5));
                  p.setBrush(c.paper);
                  p.drawRect(QRectF(5, 7, 22, 19));
                  p.setBrush(c.warn);
                  p.drawRect(QRectF(5, 7, 22, 5));
                  p.setPen(QPen(c.ink, 2, Qt::SolidLine, Qt::RoundCap));
                  p.drawLine(QPointF(10, 4), QPointF(10, 9));
                  p.drawLine(QPointF(22, 4), QPointF(22, 9));
                  p.drawLine(QPointF(9, 19), QPointF(23, 19));
                  p.drawPolyline(QPolygonF({QPointF(12, 16), QPointF(9, 19), QPointF(12, 22)}));
                  p.drawPolyline(QPolygonF({QPointF(20, 16), QPointF(23, 19), QPointF(20, 22)}));
              }}},
            {QStringLiteral("REPORTWAITER"),
             {QColor(90, 110, 140),
              [](QPainter &p, const Palette &c) {
                  person(p, c, 13);
                  p.setPen(QPen(c.ink, 1.3));
                  p.setBrush(c.accent);
                  p.drawEllipse(QPointF(23, 21), 6, 6);
                  p.drawLine(QPointF(23, 21), QPointF(23, 17));
                  p.drawLine(QPointF(23, 21), QPointF(26, 21));
              }}},
            {QStringLiteral("TURNOVER"),
             {QColor(170, 90, 160),
              [](QPainter &p, const Palette &c) {
                  circleArrow(p, c, c.paper);
                  p.setPen(QPen(c.accent, 1));
                  p.setFont(QFont(QStringLiteral("Sans"), 8, QFont::Bold));
                  p.drawText(QRectF(7, 7, 18, 18), Qt::AlignCenter, QStringLiteral("Z"));
              }}},
            {QStringLiteral("OPTIONS"),
             {QColor(110, 120, 130),
              [](QPainter &p, const Palette &c) {
                  p.setPen(QPen(c.ink, 1.3));
                  p.setBrush(c.paper);
                  QPainterPath gear;
                  for (int i = 0; i < 8; ++i) {
                      p.save();
                      p.translate(16, 16);
                      p.rotate(i * 45);
                      p.drawRect(QRectF(-2.5, -13, 5, 6));
                      p.restore();
                  }
                  p.drawEllipse(QPointF(16, 16), 8.5, 8.5);
                  p.setBrush(QColor(110, 120, 130));
                  p.drawEllipse(QPointF(16, 16), 3.5, 3.5);
              }}},
            {QStringLiteral("EDITENTRY"),
             {QColor(80, 140, 190),
              [](QPainter &p, const Palette &c) {
                  sheet(p, c, 5, 4);
                  p.setPen(QPen(c.ink, 1.2));
                  p.setBrush(c.accent);
                  p.drawPolygon(QPolygonF({QPointF(14, 25), QPointF(15, 20), QPointF(25, 10),
                                           QPointF(29, 14), QPointF(19, 24)}));
              }}},
            {QStringLiteral("PRINT"),
             {QColor(100, 110, 120),
              [](QPainter &p, const Palette &c) {
                  p.setPen(QPen(c.ink, 1.5));
                  p.setBrush(c.paper);
                  p.drawRect(QRectF(9, 4, 14, 9));
                  p.setBrush(QColor(190, 195, 200));
                  p.drawRoundedRect(QRectF(4, 12, 24, 10), 2, 2);
                  p.setBrush(c.paper);
                  p.drawRect(QRectF(9, 18, 14, 10));
                  p.setPen(QPen(c.ink, 1));
                  p.drawLine(QPointF(11, 22), QPointF(21, 22));
                  p.drawLine(QPointF(11, 25), QPointF(19, 25));
              }}},
            {QStringLiteral("CRYSTALREP"),
             {QColor(60, 90, 160), [](QPainter &p, const Palette &c) { diamond(p, c); }}},
            {QStringLiteral("FASTCRYSTALREP"),
             {QColor(60, 90, 160),
              [](QPainter &p, const Palette &c) {
                  diamond(p, c);
                  p.setPen(QPen(c.ink, 1));
                  p.setBrush(c.accent);
                  p.drawPolygon(QPolygonF({QPointF(24, 14), QPointF(19, 23), QPointF(23, 23),
                                           QPointF(21, 31), QPointF(29, 20), QPointF(25, 20),
                                           QPointF(28, 14)}));
              }}},
            {QStringLiteral("REFRESH"),
             {QColor(70, 150, 110),
              [](QPainter &p, const Palette &c) { circleArrow(p, c, c.paper); }}},
            {QStringLiteral("TABLE"),
             {QColor(150, 120, 90), [](QPainter &p, const Palette &c) { table(p, c); }}},
            {QStringLiteral("TABLELOCKED"),
             {QColor(150, 120, 90),
              [](QPainter &p, const Palette &c) {
                  table(p, c);
                  lock(p, c, 18, 19);
              }}},
            {QStringLiteral("TABLECORRUPT"),
             {QColor(150, 120, 90),
              [](QPainter &p, const Palette &c) {
                  table(p, c);
                  cross(p, c, 19, 19);
              }}},
            {QStringLiteral("WORKSPACE"),
             {QColor(60, 70, 90),
              [](QPainter &p, const Palette &c) {
                  p.setPen(QPen(c.ink, 1.5));
                  p.setBrush(c.paper);
                  p.drawRect(QRectF(5, 8, 22, 16));
                  p.setBrush(c.accent);
                  p.drawRect(QRectF(5, 8, 22, 4));
                  p.drawRect(QRectF(13, 24, 6, 3));
              }}},
            {QStringLiteral("NEW"),
             {QColor(80, 140, 190),
              [](QPainter &p, const Palette &c) {
                  sheet(p, c, 6, 4);
                  p.setPen(QPen(c.accent, 3, Qt::SolidLine, Qt::RoundCap));
                  p.drawLine(QPointF(22, 19), QPointF(22, 29));
                  p.drawLine(QPointF(17, 24), QPointF(27, 24));
              }}},
            {QStringLiteral("OPEN"),
             {QColor(200, 150, 60),
              [](QPainter &p, const Palette &c) {
                  p.setPen(QPen(c.ink, 1.5));
                  p.setBrush(c.accent);
                  p.drawPolygon(QPolygonF({QPointF(4, 8), QPointF(12, 8), QPointF(14, 11),
                                           QPointF(27, 11), QPointF(27, 25), QPointF(4, 25)}));
              }}},
            {QStringLiteral("SAVE"),
             {QColor(70, 100, 160),
              [](QPainter &p, const Palette &c) {
                  p.setPen(QPen(c.ink, 1.5));
                  p.setBrush(c.paper);
                  p.drawRect(QRectF(5, 5, 22, 22));
                  p.setBrush(QColor(170, 180, 200));
                  p.drawRect(QRectF(10, 5, 12, 8));
                  p.drawRect(QRectF(9, 18, 14, 9));
              }}},
            {QStringLiteral("PDF"),
             {QColor(190, 60, 60),
              [](QPainter &p, const Palette &c) {
                  sheet(p, c, 7, 4);
                  p.setPen(QPen(c.warn, 1));
                  p.setFont(QFont(QStringLiteral("Sans"), 6, QFont::Bold));
                  p.drawText(QRectF(7, 14, 17, 10), Qt::AlignCenter, QStringLiteral("PDF"));
              }}},
            {QStringLiteral("HELP"),
             {QColor(70, 130, 200),
              [](QPainter &p, const Palette &c) {
                  p.setPen(QPen(c.ink, 1.5));
                  p.setBrush(c.paper);
                  p.drawEllipse(QPointF(16, 16), 11, 11);
                  p.setPen(QPen(c.ink, 1));
                  p.setFont(QFont(QStringLiteral("Sans"), 12, QFont::Bold));
                  p.drawText(QRectF(5, 5, 22, 22), Qt::AlignCenter, QStringLiteral("?"));
              }}},
    };
    return all;
}

void placeholder(QPainter &p, const Palette &c)
{
    p.setPen(QPen(c.paper, 1));
    p.setFont(QFont(QStringLiteral("Sans"), 14, QFont::Bold));
    p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
}

QImage greyed(const QImage &source)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(line[x]) / 2 + 96;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) / 2);
        }
    }
    return image;
}

} // namespace

QPixmap getPixmapResource(const QString &key, int size, const QString &theme, bool disabled)
{
    if (size <= 0)
        size = 16;
    const QString themeName = pixmapThemes().contains(theme) ? theme : QStringLiteral("classic");
    const QString cacheKey
            = QStringLiteral("veltrum:%1:%2:%3:%4")
                      .arg(key, QString::number(size), themeName, QString::number(int(disabled)));
    QPixmap pixmap;
    if (QPixmapCache::find(cacheKey, &pixmap))
        return pixmap;

    const auto found = glyphs().constFind(key.toUpper());
    const QColor tile = found != glyphs().cend() ? found->first : QColor(150, 150, 150);
    const Palette palette = paletteOf(themeName, tile);

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 32.0, size / 32.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.tile);
        painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
        if (found != glyphs().cend())
            found->second(painter, palette);
        else
            placeholder(painter, palette);
    }
    pixmap = QPixmap::fromImage(disabled ? greyed(image) : image);
    QPixmapCache::insert(cacheKey, pixmap);
    return pixmap;
}

QStringList pixmapResourceKeys()
{
    return glyphs().keys();
}

QStringList pixmapThemes()
{
    return {QStringLiteral("classic"), QStringLiteral("contrast")};
}
