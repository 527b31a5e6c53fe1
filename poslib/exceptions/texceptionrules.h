#pragma once

#include <QList>
#include <QString>
#include <QTime>

namespace Basics {
class TValueList;
}

namespace PosLib {

// When a waiter (or cost center) stands out, and what counts as late and
// as a staff account. Read from section "Exceptions" of the installation's
// "etc/reports.ini":
//
//   [Exceptions]
//   Multiple=3          ; flagged above 3 x the team's median ...
//   MinCount=3          ; ... with at least 3 entries of the kind
//   LateFrom=22:00      ; discounts from 22:00 ...
//   LateUntil=05:00     ; ... until 05:00 are late
//   StaffPayforms=7     ; pay form numbers of the staff accounts
//
// Without StaffPayforms the pay forms whose name speaks of staff ("Staff
// account", "Personal", "Mitarbeiter", ...) are the staff accounts.
struct TExceptionRules
{
    static constexpr double DefaultMultiple = 3.0;
    static constexpr int DefaultMinCount = 3;
    // Fewer groups than this taking part are no team to compare with.
    static constexpr int MinTeam = 3;

    double multiple = DefaultMultiple;
    int minCount = DefaultMinCount;
    QTime lateFrom = QTime(22, 0);
    QTime lateUntil = QTime(5, 0);
    QList<int> staffPayforms;

    // The rules of the installation at `root`; `payforms` (may be null)
    // names the staff accounts when the file does not.
    static TExceptionRules read(const QString &root, const Basics::TValueList *payforms);
    // The pay forms of `payforms` whose name speaks of staff.
    static QList<int> staffPayformsByName(const Basics::TValueList *payforms);

    // From lateFrom up to (not including) lateUntil, across midnight when
    // lateUntil comes first; never when both are equal.
    bool isLate(const QTime &time) const;
    bool isStaffPayform(int payform) const { return staffPayforms.contains(payform); }
    // "3 x median, at least 3, late 22:00-05:00, staff 7": what the cache
    // of the days depends on and the outputs name.
    QString text() const;
};

} // namespace PosLib
