#pragma once

#include "tchartpage.h"

#include <QtCharts/QChart>

namespace PosLib {
class TCurrencies;
}

// The chart of one page, ready for a chart view or for painting: bars per
// hour (amounts, with the counts as a line on their own axis), a pie of
// the payment forms (bars when a form's net is negative), horizontal bars
// of the top items. Amounts are in the system currency's units, their texts
// in its own format (priceText); counts and axes in the UI language. The
// colours are those that stay apart for colour-blind readers and in grey
// print, and every bar and slice also carries its name and amount as text,
// so no meaning rests on colour alone. The caller owns the chart.
QChart *reportChart(const TChartPage &page, const PosLib::TCurrencies *currencies);

// An amount in cents in the system currency's units (12.5 for 1250 cents
// with two decimals).
double moneyUnits(const PosLib::TCurrencies *currencies, long cents);
// The other way round: units of the system currency in cents, rounded half
// up (12.5 -> 1250).
long moneyCents(const PosLib::TCurrencies *currencies, double units);
