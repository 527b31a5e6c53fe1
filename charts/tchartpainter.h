#pragma once

#include "tchartpage.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSize>

class QIODevice;
class QPainter;
namespace PosLib {
class TCurrencies;
}

// Paints report charts without a view: on a printed page, into an image or
// an SVG file. Needs a QApplication (the offscreen platform will do).

// The size one chart is laid out at when nothing else asks for one.
constexpr QSize ChartSize(1000, 560);

// Paints the chart of `page` into `target`, laid out at `layout` size and
// scaled to fit (vector graphics on a PDF or SVG painter).
void paintChart(QPainter &painter, const QRectF &target, const TChartPage &page,
                const PosLib::TCurrencies *currencies, const QSizeF &layout = ChartSize);

// The charts of `pages` one below the other, each `size` large, on white.
QImage chartImage(const QList<TChartPage> &pages, const PosLib::TCurrencies *currencies,
                  const QSize &size = ChartSize);
// The same as PNG or SVG into `device`; false when it cannot be written.
bool writeChartPng(QIODevice &device, const QList<TChartPage> &pages,
                   const PosLib::TCurrencies *currencies, const QSize &size = ChartSize);
bool writeChartSvg(QIODevice &device, const QList<TChartPage> &pages,
                   const PosLib::TCurrencies *currencies, const QString &title,
                   const QSize &size = ChartSize);
