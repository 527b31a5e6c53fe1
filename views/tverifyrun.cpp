#include "tverifyrun.h"

#include "tclosingledger.h"
#include "tclosingverifier.h"
#include "tcurrencies.h"
#include "terror.h"
#include "treconciliationcheck.h"

#include <QSet>
#include <QThread>

#include <algorithm>

using namespace PosLib;

TVerifyRun::TVerifyRun(const QString &root, QObject *parent)
    : QObject(parent)
    , m_root(root)
{ }

TVerifyRun::~TVerifyRun()
{
    if (m_thread) {
        m_cancelled = true;
        m_thread->wait();
        delete m_thread;
    }
}

bool TVerifyRun::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

void TVerifyRun::start()
{
    if (m_thread)
        return;
    m_thread = QThread::create([this] { work(); });
    m_thread->start();
}

void TVerifyRun::work()
{
    QStringList texts;
    const TClosingLedger ledger(m_root);
    QList<QDate> days;
    for (const TClosing &closing : ledger.closings()) {
        if (!days.contains(closing.date))
            days << closing.date;
    }
    std::sort(days.begin(), days.end());
    const int total = int(days.size()) + 1;
    emit progress(0, total);
    TDayBillTotals bills;
    for (const TClosingFinding &finding : verifyClosings(m_root, ledger, QDate(), &bills))
        texts << finding.text;
    emit progress(1, total);

    // a list of its own: the window's lists stay with the window's thread
    TCurrencies currencies;
    const TCurrencies *money = nullptr;
    try {
        if (currencies.load(m_root.toLocal8Bit().constData()) == Basics::TValueList::Loaded)
            money = &currencies;
    } catch (const Basics::TError &) {
        // amounts in cents then
    }
    int done = 1;
    const QList<TReconciliationFinding> findings
            = TReconciliationCheck(m_root, ledger).run(QDate(), money, &bills, [&]() {
                  emit progress(++done, total);
                  return !m_cancelled;
              });
    for (const TReconciliationFinding &finding : findings)
        texts << finding.text;
    emit finished(texts, done < total);
}
