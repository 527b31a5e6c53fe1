#include "verifyinstallation.h"

#include "tclosingledger.h"
#include "tclosingverifier.h"
#include "tcurrencies.h"
#include "terror.h"
#include "treconciliationcheck.h"

#include <algorithm>

using namespace PosLib;

TVerification verifyInstallation(const QString &root, const std::function<void(int, int)> &step,
                                 const std::function<bool()> &keepGoing)
{
    QStringList texts;
    const TClosingLedger ledger(root);
    QList<QDate> days;
    for (const TClosing &closing : ledger.closings()) {
        if (!days.contains(closing.date))
            days << closing.date;
    }
    std::sort(days.begin(), days.end());
    const int total = int(days.size()) + 1;
    step(0, total);
    TDayBillTotals bills;
    for (const TClosingFinding &finding : verifyClosings(root, ledger, QDate(), &bills))
        texts << finding.text;
    step(1, total);

    // a list of its own: the window's lists stay with the window's thread
    TCurrencies currencies;
    const TCurrencies *money = nullptr;
    try {
        if (currencies.load(root.toLocal8Bit().constData()) == Basics::TValueList::Loaded)
            money = &currencies;
    } catch (const Basics::TError &) {
        // amounts in cents then
    }
    int done = 1;
    const QList<TReconciliationFinding> findings
            = TReconciliationCheck(root, ledger).run(QDate(), money, &bills, [&]() {
                  step(++done, total);
                  return keepGoing();
              });
    for (const TReconciliationFinding &finding : findings)
        texts << finding.text;
    return {texts, done < total};
}
