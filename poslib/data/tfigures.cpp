#include "tfigures.h"

#include <QCoreApplication>

namespace PosLib {

namespace {

struct Name
{
    TFigure figure;
    const char *key;
    const char *caption;
    bool count;
};

// The summary's own words where it prints the figure; the translations in
// the context "TFigures" are those of the summary's.
const Name Names[] = {
        {TFigure::Bills, "bills", QT_TRANSLATE_NOOP("TFigures", "Bills"), true},
        {TFigure::BillTotal, "billTotal", QT_TRANSLATE_NOOP("TFigures", "Bill total"), false},
        {TFigure::TaxCharges, "taxCharges", QT_TRANSLATE_NOOP("TFigures", "Tax charges"), false},
        {TFigure::LeftOpen, "leftOpen", QT_TRANSLATE_NOOP("TFigures", "Left open on the bills"),
         false},
        {TFigure::PaidTables, "paidTables", QT_TRANSLATE_NOOP("TFigures", "Paid tables"), true},
        {TFigure::Payments, "payments", QT_TRANSLATE_NOOP("TFigures", "Payments"), false},
        {TFigure::Tip, "tip", QT_TRANSLATE_NOOP("TFigures", "Tip"), false},
        {TFigure::NonRefund, "nonRefund", QT_TRANSLATE_NOOP("TFigures", "Non refund"), false},
        {TFigure::InSummary, "inSummary", QT_TRANSLATE_NOOP("TFigures", "Sum of payforms"), false},
        {TFigure::NotInSummary, "notInSummary",
         QT_TRANSLATE_NOOP("TFigures", "Sum of payforms not in summary"), false},
        {TFigure::AllPayforms, "allPayforms", QT_TRANSLATE_NOOP("TFigures", "Sum of all payforms"),
         false},
        {TFigure::Credits, "credits", QT_TRANSLATE_NOOP("TFigures", "Credits"), false},
        {TFigure::NotInSummaryAmount, "notInSummaryAmount",
         QT_TRANSLATE_NOOP("TFigures", "Not in summary"), false},
        {TFigure::AllAmount, "allAmount", QT_TRANSLATE_NOOP("TFigures", "All amount"), false},
        {TFigure::InSummaryAmount, "inSummaryAmount",
         QT_TRANSLATE_NOOP("TFigures", "Payments and tips in summary"), false},
        {TFigure::Guests, "guests", QT_TRANSLATE_NOOP("TFigures", "Guests"), true},
        {TFigure::Voids, "voids", QT_TRANSLATE_NOOP("TFigures", "Voids"), true},
        {TFigure::VoidAmount, "voidAmount", QT_TRANSLATE_NOOP("TFigures", "Void amount"), false},
        {TFigure::OpenTables, "openTables", QT_TRANSLATE_NOOP("TFigures", "Open tables"), true},
        {TFigure::OpenTablesAmount, "openTablesAmount",
         QT_TRANSLATE_NOOP("TFigures", "Open tables, sum"), false},
        {TFigure::SumInHouse, "sumInHouse", QT_TRANSLATE_NOOP("TFigures", "Sum In House"), false},
        {TFigure::SumOutOfHouse, "sumOutOfHouse", QT_TRANSLATE_NOOP("TFigures", "Sum Out of House"),
         false},
        {TFigure::OrdersAmount, "ordersAmount",
         QT_TRANSLATE_NOOP("TFigures", "All amount of the orders"), false},
        {TFigure::NetSum, "netSum", QT_TRANSLATE_NOOP("TFigures", "Sum Net"), false},
        {TFigure::Difference, "difference", QT_TRANSLATE_NOOP("TFigures", "Difference"), false},
};

const Name &nameOf(TFigure figure)
{
    for (const Name &name : Names) {
        if (name.figure == figure)
            return name;
    }
    return Names[0]; // every enumerator is in the table (a test says so)
}

} // namespace

QString figureKey(TFigure figure)
{
    return QString::fromLatin1(nameOf(figure).key);
}

QString figureCaption(TFigure figure)
{
    return QCoreApplication::translate("TFigures", nameOf(figure).caption);
}

const char *figureSourceCaption(TFigure figure)
{
    return nameOf(figure).caption;
}

bool figureIsCount(TFigure figure)
{
    return nameOf(figure).count;
}

QList<TFigure> allFigures()
{
    QList<TFigure> figures;
    for (const Name &name : Names)
        figures << name.figure;
    return figures;
}

bool figureOfKey(const QString &key, TFigure *figure)
{
    for (const Name &name : Names) {
        if (key == QLatin1String(name.key)) {
            if (figure)
                *figure = name.figure;
            return true;
        }
    }
    return false;
}

} // namespace PosLib
