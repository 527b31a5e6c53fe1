#pragma once

#include <QDate>
#include <QtGlobal>

namespace PosLib {

// What a demo installation holds.
struct TDemoOptions
{
    int days = 7; // closed business days before today
    int tables = 40; // tables per business day (today: paid and open together)
    quint64 seed = 1;
    QDate today; // the current business day; invalid: the current date
};

} // namespace PosLib
