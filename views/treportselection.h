#pragma once

#include <QDate>

// What the reports document's selection row says about the next run, as
// far as the parts that work beside the document need it (the hand-over
// to report designs): the range and the chosen summary filter and outlet.
// The document hands it over by value; it includes neither side.
struct TReportSelection
{
    QDate from; // invalid: the current, not yet closed day
    QDate to;
    int filterId = 0; // 0: no filter
    int outletId = 0; // 0: the installation without an outlet
};
