#pragma once

#include <QList>
#include <QString>

namespace PosLib {

// The figures of a day (or of a range of days) that the back office names.
// Each has one key, which JSON and CSV carry, and one caption, which every
// text shows: the Z report and its reconciliation, the "Today" panel, the
// list of closings, `veltrum z`, `chain status`, the charts. Where the
// summary prints a figure, the caption is the summary's own word ("All
// amount"), translated as the summary translates it. docs/figures.md says
// what each includes and how it follows from the bills.
enum class TFigure {
    Bills, // bill files: the tables a day closed, with or without payment
    BillTotal, // their order lines, price x count rounded half up, added up
    TaxCharges, // charged beyond the order lines: tax per unit and per guest
    LeftOpen, // bill total and tax charges not paid
    PaidTables, // payments not taken back (a bill paid in two parts counts twice)
    Payments, // the amounts of those payments, without tips
    Tip,
    NonRefund, // handed over beyond bill and tip and not given back
    InSummary, // "Sum of payforms" of the tables that count in the summary
    NotInSummary, // "Sum of payforms" of the other tables
    AllPayforms, // "Sum of all payforms": given minus returned, every payment
    Credits, // vouchers sold: order lines of credit articles
    NotInSummaryAmount, // "Not in summary": payments and tips of the other tables
    AllAmount, // "All amount": the takings
    InSummaryAmount, // payments and tips of the tables in the summary
    Guests, // of the payments of tables in the summary
    Voids,
    VoidAmount,
    OpenTables,
    OpenTablesAmount,
    SumInHouse, // order lines of the tables in the summary, in house
    SumOutOfHouse, // and taken away
    OrdersAmount, // "All amount" of the orders part
    NetSum, // "Sum Net": net of every VAT rate
    Difference, // what the reconciliation could not explain
};

// Its key in JSON and CSV ("allAmount").
QString figureKey(TFigure figure);
// Its caption in the current language ("All amount", "Gesamtbetrag").
QString figureCaption(TFigure figure);
// The caption as written in the sources (the text translated).
const char *figureSourceCaption(TFigure figure);
// True for a count, false for an amount in cents.
bool figureIsCount(TFigure figure);
// Every figure, in the order above.
QList<TFigure> allFigures();
// The figure of a key; false when no figure has it.
bool figureOfKey(const QString &key, TFigure *figure = nullptr);

} // namespace PosLib
