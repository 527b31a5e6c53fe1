#include "texceptionkind.h"

#include <QCoreApplication>

namespace PosLib {

namespace {

struct KindInfo
{
    const char *key;
    const char *caption;
    const char *amount;
};

// The texts are translated in the context "TExceptions".
const KindInfo Kinds[ExceptionKindCount] = {
        {"voids", QT_TRANSLATE_NOOP("TExceptions", "Voids"),
         QT_TRANSLATE_NOOP("TExceptions", "voided")},
        {"voidsByOther", QT_TRANSLATE_NOOP("TExceptions", "Voided by another waiter"),
         QT_TRANSLATE_NOOP("TExceptions", "voided")},
        {"voidsAfterSending", QT_TRANSLATE_NOOP("TExceptions", "Voids after sending"),
         QT_TRANSLATE_NOOP("TExceptions", "voided")},
        {"tableVoids", QT_TRANSLATE_NOOP("TExceptions", "Bills voided whole"),
         QT_TRANSLATE_NOOP("TExceptions", "voided")},
        {"discounts", QT_TRANSLATE_NOOP("TExceptions", "Discounts"),
         QT_TRANSLATE_NOOP("TExceptions", "lost money")},
        {"lateDiscounts", QT_TRANSLATE_NOOP("TExceptions", "Late discounts"),
         QT_TRANSLATE_NOOP("TExceptions", "lost money")},
        {"freePrices", QT_TRANSLATE_NOOP("TExceptions", "Free prices"),
         QT_TRANSLATE_NOOP("TExceptions", "sold")},
        {"priceFindings", QT_TRANSLATE_NOOP("TExceptions", "Price findings"),
         QT_TRANSLATE_NOOP("TExceptions", "subsidised")},
        {"staffAccount", QT_TRANSLATE_NOOP("TExceptions", "Staff account"),
         QT_TRANSLATE_NOOP("TExceptions", "charged")},
        {"notInSummary", QT_TRANSLATE_NOOP("TExceptions", "Not in summary"),
         QT_TRANSLATE_NOOP("TExceptions", "paid")},
        {"credits", QT_TRANSLATE_NOOP("TExceptions", "Credits"),
         QT_TRANSLATE_NOOP("TExceptions", "sold")},
        {"tableMoves", QT_TRANSLATE_NOOP("TExceptions", "Moved tables"),
         QT_TRANSLATE_NOOP("TExceptions", "bill amount")},
        {"splits", QT_TRANSLATE_NOOP("TExceptions", "Splits"),
         QT_TRANSLATE_NOOP("TExceptions", "moved")},
        {"cashRecords", QT_TRANSLATE_NOOP("TExceptions", "Cash records"),
         QT_TRANSLATE_NOOP("TExceptions", "moved")},
};

} // namespace

QList<TExceptionKind> allExceptionKinds()
{
    QList<TExceptionKind> kinds;
    for (int i = 0; i < ExceptionKindCount; ++i)
        kinds << TExceptionKind(i);
    return kinds;
}

QString exceptionKey(TExceptionKind kind)
{
    return QString::fromLatin1(Kinds[indexOf(kind)].key);
}

bool exceptionKindOfKey(const QString &key, TExceptionKind *kind)
{
    for (int i = 0; i < ExceptionKindCount; ++i) {
        if (key == QLatin1String(Kinds[i].key)) {
            if (kind)
                *kind = TExceptionKind(i);
            return true;
        }
    }
    return false;
}

QString exceptionCaption(TExceptionKind kind)
{
    return QCoreApplication::translate("TExceptions", Kinds[indexOf(kind)].caption);
}

const char *exceptionSourceCaption(TExceptionKind kind)
{
    return Kinds[indexOf(kind)].caption;
}

QString exceptionAmountText(TExceptionKind kind)
{
    return QCoreApplication::translate("TExceptions", Kinds[indexOf(kind)].amount);
}

} // namespace PosLib
