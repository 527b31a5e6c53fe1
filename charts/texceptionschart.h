#pragma once

#include "tchartpage.h"
#include "texceptionsresult.h"

class QChart;

namespace PosLib {
struct TExceptionsResult;
}

// The charts of an exceptions run: per kind that has entries, one bar per
// waiter (or cost center) with its rate per 100 bills written on it, the
// team's median as a line across them, flagged bars in their own colour and
// marked "!" in their label. `period` names the range on each page.
QList<TChartPage> exceptionsChartPages(const PosLib::TExceptionsResult &result,
                                       PosLib::TExceptionSide::Kind side,
                                       const QString &period = QString());

// The page of one kind (without bars when nobody booked one).
TChartPage exceptionsChartPage(const PosLib::TExceptionsResult &result,
                               PosLib::TExceptionSide::Kind side, PosLib::TExceptionKind kind,
                               const QString &period = QString());

// The bars of a rates page into `chart` (TChartPage::Rates).
void addRateBars(QChart *chart, const TChartPage &page);
