#pragma once

#include <QList>
#include <QString>

namespace PosLib {

// What the exceptions run counts per waiter and per cost center: the
// entries an owner looks at when money goes missing. Each has a key (JSON,
// CSV, "etc/reports.ini") and a caption in the current language.
enum class TExceptionKind : quint8 {
    Voids, // void entries: count and amount, as the void reports count them
    VoidsByOther, // voids booked by another waiter than the one whose order it was
    VoidsAfterSending, // voids of an article that an earlier round had sent
    TableVoids, // bills whose every order line was taken back
    Discounts, // order lines with a discount; amount: the money lost
    LateDiscounts, // the same, booked at the late hours
    FreePrices, // order lines whose price the waiter typed in
    PriceFindings, // payments with a subvention; amount: the subvention
    StaffAccount, // payments to a staff account
    NotInSummary, // payments of bills that do not count in the summary
    Credits, // vouchers sold (credit order lines)
    TableMoves, // tables moved to another table or waiter
    Splits, // lines split off to another bill
    CashRecords, // cash in and out of the drawer; amount: the money moved
};
constexpr int ExceptionKindCount = 14;

inline int indexOf(TExceptionKind kind)
{
    return int(kind);
}

// Every kind, in the order above.
QList<TExceptionKind> allExceptionKinds();
// "voids", "voidsByOther", ...
QString exceptionKey(TExceptionKind kind);
// False when no kind has the key.
bool exceptionKindOfKey(const QString &key, TExceptionKind *kind = nullptr);
// "Voids", "Voids by another waiter", ... translated.
QString exceptionCaption(TExceptionKind kind);
// The caption as written in the sources.
const char *exceptionSourceCaption(TExceptionKind kind);
// What the amount of a kind is, in a few words ("lost money"), translated.
QString exceptionAmountText(TExceptionKind kind);

} // namespace PosLib
