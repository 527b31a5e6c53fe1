#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;
class QPainter;

// Pictures that the PDF shows between its lines: `count` of them after line
// `afterLine` (before the first line when negative), each as wide as the
// page and `aspect` times as high, painted by `paint` (painter, area, index).
struct TPdfFigure
{
    int afterLine = -1;
    int count = 0;
    double aspect = 0.56;
    std::function<void(QPainter &, const QRectF &, int)> paint;
};

// The printed page of a report as PDF: the lines in a monospace font on A4
// pages, each page closed by `title` and its number ("Page 2 of 5"), with
// the figures where they belong (a figure that does not fit on the rest of
// a page starts the next one). Needs a QGuiApplication (the offscreen
// platform will do), no display; a QApplication when the figures are
// charts. False when the device cannot be written.
bool writePdf(QIODevice &device, const QStringList &lines, const QString &title,
              const TPdfFigure &figure = TPdfFigure());
