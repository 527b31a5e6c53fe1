#pragma once

#include "tchartpage.h"

namespace PosLib {
struct TLabourReport;
}

// The chart of a labour report: one bar per hour of the clock with work or
// sales, its sales written up the bar, and the hours worked in it as a line
// on an axis of its own (TChartPage::Hours with "Hours worked" as counts).
// The sum is that of the hours' sales.
TChartPage labourChartPage(const PosLib::TLabourReport &report);
