#pragma once

#include "tchartpage.h"

#include <QList>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
namespace PosLib {
class TCurrencies;
}

// A document's printed form: its text as monospace lines, its charts below
// it, on as many pages of `device` as they take.
void printTextAndCharts(QPagedPaintDevice *device, const QStringList &lines,
                        const QList<TChartPage> &pages, const PosLib::TCurrencies *currencies);

// The same as an A4 PDF named `title`, written whole into `fileName`
// (through a temporary beside it); false when it cannot be written.
bool saveTextAndChartsPdf(const QString &fileName, const QString &title, const QStringList &lines,
                          const QList<TChartPage> &pages, const PosLib::TCurrencies *currencies);
