#pragma once

#include "texceptionsrun.h"

#include <QJsonObject>
#include <QList>
#include <QStringList>

#include <functional>

namespace PosLib {

class TCurrencies;

// Which entries the outputs list: those behind flagged figures (the
// default), every entry, or none.
enum class TExceptionEntries { Flagged, All, None };

// The run as data, format 1 (docs/exceptions.md): the head (installation,
// range, printed, currency, rules), "waiters" and "centers" (members,
// medians per kind, the team's total, the groups with their figures, rates,
// flags and reasons, the discounts per discount), "weeks" (the same per
// week, without entries), "entries" and "notices". Amounts in cents, rates
// with four decimals, null where there is nothing to divide by.
QJsonObject exceptionsData(const TExceptionsResult &result, const TCurrencies *currencies,
                           TExceptionEntries entries = TExceptionEntries::Flagged);

// One entry as exceptionsData() lists it, as compact JSON (the bytes
// QJsonDocument writes for it inside the "entries").
QByteArray exceptionEntryJson(const TExceptionEntry &entry);

// The run as text: head, the team, the flagged groups with their reasons
// and entries, the trend of the flagged figures per week, then every group
// with the figures it has.
QStringList exceptionsLines(const TExceptionsResult &result, const TCurrencies *currencies,
                            TExceptionEntries entries = TExceptionEntries::Flagged);
// The same lines handed on one at a time (a year of every entry is a long
// list).
void exceptionsLines(const TExceptionsResult &result, const TCurrencies *currencies,
                     TExceptionEntries entries, const std::function<void(const QString &)> &take);

// The lines of a day's block of the Z report, "Exceptions of the day": the
// team's counts and amounts of the kinds it has, then the flagged waiters
// with their reasons; "No exceptions" when there are none. With `waiter`
// (a waiter's closing) that waiter's figures and flags alone. `receipt`:
// each kind as "Caption (count): amount", which a receipt narrows to its
// width, in place of the columns.
QStringList exceptionsDayBlock(const TExceptionsResult &result, const TCurrencies *currencies,
                               int waiter = 0, bool receipt = false);

// The day's exceptions in short sentences for a glance (the web view's
// "exceptions" of today): one per kind the team has ("Voids: 4, 12,50
// EUR"), then one per flag ("3 Luca - Voids: 30 (...)"); empty when
// nothing was booked.
QStringList exceptionsDayTexts(const TExceptionsResult &result, const TCurrencies *currencies);

// CSV rows: a header, one row per group (and the team) and kind it has
// (grouping "waiter", "center", per week with its dates), then one row
// per entry listed.
QList<QStringList> exceptionsCsv(const TExceptionsResult &result,
                                 TExceptionEntries entries = TExceptionEntries::Flagged);
// The same rows handed on one at a time.
void exceptionsCsv(const TExceptionsResult &result, TExceptionEntries entries,
                   const std::function<void(const QStringList &)> &take);

// One entry in a line: date, time, table/party, bill, article, count,
// amount, who voided, the detail.
QString exceptionEntryText(const TExceptionEntry &entry, const TCurrencies *currencies);

// The entries the outputs list for a side: behind the flagged figures, or all.
std::vector<const TExceptionEntry *> listedEntries(const TExceptionsResult &result,
                                                   TExceptionEntries entries);

} // namespace PosLib
