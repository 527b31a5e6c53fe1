#include "treprecordleaves.h"

#include "taggregatestream.h"
#include "tcurrencyfields.h"
#include "tfactsof.h"
#include "ttable.h"
#include "ttableentry.h"

using namespace Basics;

namespace PosLib {

// ---- cash and balance -----------------------------------------------------

TRepCashLeaf::TRepCashLeaf(const TTableEntry *entry)
    : TRepCashLeaf(TFactsOf(entry, nullptr).entry())
{ }

TRepCashLeaf::TRepCashLeaf(const TEntryFacts &entry)
{
    for (int i = 0; i < 5; ++i) {
        const TField from = ReturnCurrency[i];
        if (entry.has(from)) {
            m_currency.set(fieldName(OwnCurrency[i]), entry.get(from));
            set(fieldName(from), entry.get(from));
        }
    }
    if (m_currency.has(QStringLiteral("curr")))
        m_currency.setId(m_currency.getInt(QStringLiteral("curr")));
}

void TRepCashLeaf::writeState(TAggregateWriter &out) const
{
    TReportLeaf::writeState(out);
    out.u32(quint32(m_currency.fields().size()));
    for (auto it = m_currency.fields().cbegin(); it != m_currency.fields().cend(); ++it) {
        out.text(it.key());
        out.i32(it.value().type);
        out.text(it.value().text);
    }
}

void TRepCashLeaf::readState(TAggregateReader &in, bool fresh)
{
    TReportLeaf::readState(in, fresh);
    const quint32 fields = in.count(3);
    for (quint32 i = 0; i < fields && in.ok(); ++i) {
        const QString &key = in.text();
        const qint32 type = in.i32();
        const QString &text = in.text();
        if (fresh && in.ok())
            m_currency.set(key, Basics::TValueField(type, text));
    }
}

bool TRepCashLeaf::addEntry(TTableEntry *entry)
{
    return add(TFactsOf(entry, nullptr).entry());
}

bool TRepCashLeaf::add(const TEntryFacts &entry)
{
    TReportLeaf::add(1, double(entry.amount()));
    addSum(SumRetAmount, entry.getLong(FRetAmount));
    setString(QStringLiteral("reason"), entry.getString(FReason));
    return true;
}

bool TRepBalanceLeaf::addEntry(TTableEntry *entry)
{
    return add(TFactsOf(entry, nullptr).entry());
}

bool TRepBalanceLeaf::add(const TEntryFacts &entry)
{
    TReportLeaf::add(1, 0);
    addSum(SumCcdAmount, entry.getLong(FCcdAmount));
    addSum(SumCcdBalance, entry.getLong(FCcdBalance));
    addSum(SumCcdDifferences, entry.getLong(FCcdDifferences));
    for (TField flag : {FAllWaiters, FCcdTerminal, FCcdCostCenter})
        setBool(fieldName(flag), entry.has(flag));
    entry.copyTo(*this, {FWaiter, FWaiterName, FTerminal, FTermName, FCenter, FCenterName});
    return true;
}

} // namespace PosLib
