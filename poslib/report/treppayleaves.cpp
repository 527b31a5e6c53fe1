#include "treppayleaves.h"

#include "taggregatestream.h"
#include "tcurrencyfields.h"
#include "tfactsof.h"
#include "tkeptfill.h"
#include "ttable.h"
#include "ttableentry.h"

using namespace Basics;

namespace PosLib {

// ---- pay leaves -----------------------------------------------------------

TPayValues TPayValues::of(const TEntryFacts &pay)
{
    TPayValues v;
    v.amount = pay.amount();
    v.tip = pay.tip();
    v.guests = pay.getLong(FGuests);
    v.ret = pay.getLong(FReturn);
    v.retAmount = pay.getLong(FRetAmount);
    v.given = pay.getLong(FGiven);
    if (v.given == 0)
        v.given = v.amount;
    v.orgGiven = pay.has(FOrgGiven) ? pay.getLong(FOrgGiven) : v.given;
    return v;
}

bool TRepPayLeaf::addEntry(TTableEntry *entry)
{
    return add(TFactsOf(entry, nullptr).entry());
}

bool TRepPayLeaf::add(const TEntryFacts &entry)
{
    if (entry.getBool(FVoided))
        return false;
    takePay(TPayValues::of(entry));
    return true;
}

void TRepPayLeaf::takePay(const TPayValues &pay)
{
    TReportLeaf::add(1, double(pay.amount));
    addSum(SumTip, pay.tip);
    addSum(SumGuests, pay.guests);
}

TRepPayform::TRepPayform(const TTableEntry *entry, const TTable *table, bool returnMode)
    : TRepPayform(TFactsOf(entry, nullptr).entry(), TFactsOf(nullptr, table).table(), returnMode)
{ }

TRepPayform::TRepPayform(const TEntryFacts &entry, const TTableFacts &table, bool returnMode)
    : m_returnMode(returnMode)
{
    fill(entry, table);
}

void TRepPayform::fill(const TEntryFacts &entry, const TTableFacts &table)
{
    reserve(13);
    if (!table.isNull()) {
        setBool(QStringLiteral("vatoh"), table.vatOh());
        setBool(QStringLiteral("insum"), table.inSum());
        table.header().copyTo(*this, {FBillNum});
    }
    entry.copyTo(*this, {FPayform, FPayformName, FInTermSum, FWaiter, FWaiterName});
    const TField *from = m_returnMode ? ReturnCurrency : OwnCurrency;
    for (int i = 0; i < 5; ++i) {
        if (entry.has(from[i]))
            set(fieldName(OwnCurrency[i]), entry.get(from[i]));
    }
}

void TRepPayform::refill(const TEntryFacts &entry, const TTableFacts &table)
{
    restart();
    if (!m_kept)
        m_kept = std::make_unique<TKeptFill>();
    Basics::TValue &record = *this;
    // the table's values are set or not, by the table: a leaf filled without
    // one starts from nothing, and so does the next one after it
    const bool withTable = !table.isNull();
    m_kept->start(record, withTable && m_keptWithTable);
    m_keptWithTable = withTable;
    if (withTable) {
        m_kept->setBool(record, 0, QStringLiteral("vatoh"), table.vatOh());
        m_kept->setBool(record, 1, QStringLiteral("insum"), table.inSum());
        m_kept->copy(record, 2, table.header(), FBillNum);
    }
    int slot = 3;
    for (TField field : {FPayform, FPayformName, FInTermSum, FWaiter, FWaiterName})
        m_kept->copy(record, slot++, entry, field);
    const TField *from = m_returnMode ? ReturnCurrency : OwnCurrency;
    for (int i = 0; i < 5; ++i)
        m_kept->copy(record, slot++, entry, from[i], OwnCurrency[i]);
    m_kept->finish(record);
}

TRepPayform::TRepPayform(bool returnMode)
    : m_returnMode(returnMode)
{ }

TRepPayform::~TRepPayform() = default;

bool TRepPayform::add(const TEntryFacts &entry)
{
    if (entry.getBool(FVoided))
        return false;
    takePay(TPayValues::of(entry));
    return true;
}

void TRepPayform::takePay(const TPayValues &pay)
{
    TRepPayLeaf::takePay(pay);
    // the pay form's amount is what the guest paid, tip included
    m_amount += double(pay.tip);
    touch();
    addSum(SumReturn, pay.ret);
    addSum(SumRetAmount, pay.retAmount);
    addSum(SumGiven, pay.given);
    addSum(SumOrgGiven, pay.orgGiven);
}

TRepSubvent::TRepSubvent(const TTableEntry *entry, const TTable *table)
    : TRepSubvent(TFactsOf(entry, nullptr).entry(), TFactsOf(nullptr, table).table())
{ }

TRepSubvent::TRepSubvent(const TEntryFacts &entry, const TTableFacts &table)
    : TRepPayform(entry, table)
{
    entry.copyTo(*this, {FSubvent, FSubvId, FSubvName});
}

bool TRepSubvent::add(const TEntryFacts &entry)
{
    if (!TRepPayform::add(entry))
        return false;
    addSum(SumSubvAmount, entry.getLong(FSubvAmount));
    return true;
}

TRepHotelRoom::TRepHotelRoom(const TTableEntry *entry, const TTable *table)
    : TRepHotelRoom(TFactsOf(entry, nullptr).entry(), TFactsOf(nullptr, table).table())
{ }

TRepHotelRoom::TRepHotelRoom(const TEntryFacts &entry, const TTableFacts &table)
    : TRepPayform(entry, table)
    , m_payDate(entry.date())
    , m_payTime(entry.time())
{
    if (!table.isNull())
        table.header().copyTo(*this, {FTable, FParty, FBillNum});
    entry.copyTo(*this, {FRoom, FHotParty, FHotelAcc, FHotelGuest, FWaiterName, FDate, FTime});
}

QDate TRepHotelRoom::fieldDate() const
{
    return Basics::TValue::getDate(fieldName(FDate));
}

QTime TRepHotelRoom::fieldTime() const
{
    return Basics::TValue::getTime(fieldName(FTime));
}

void TRepHotelRoom::writeState(TAggregateWriter &out) const
{
    TRepPayform::writeState(out);
    out.date(m_payDate);
    out.time(m_payTime);
}

void TRepHotelRoom::readState(TAggregateReader &in, bool fresh)
{
    TRepPayform::readState(in, fresh);
    const QDate date = in.date();
    const QTime time = in.time();
    if (fresh) {
        m_payDate = date;
        m_payTime = time;
    }
}

bool TRepHotelRoom::add(const TEntryFacts &entry)
{
    if (entry.isEmptyText(FRoom))
        return false;
    return TRepPayform::add(entry);
}

TRepTable::TRepTable(const TTableEntry *entry, const TTable *table)
    : TRepTable(TFactsOf(entry, nullptr).entry(), TFactsOf(nullptr, table).table())
{ }

TRepTable::TRepTable(const TEntryFacts &entry, const TTableFacts &table)
    : m_payDate(entry.date())
    , m_payTime(entry.time())
    , m_inHouse(!(!table.isNull() && table.vatOh()))
{
    if (!table.isNull()) {
        table.header().copyTo(*this, {FTable, FParty});
        setString(QStringLiteral("tablename"), table.named(FTableName).getString(FTableName));
        m_tableDate = table.named(FDate).date();
        m_tableTime = table.named(FTime).time();
    }
}

TRepTable::TRepTable(const QDate &payDate, const QTime &payTime, const QDate &tableDate,
                     const QTime &tableTime, bool inHouse)
    : m_payDate(payDate)
    , m_payTime(payTime)
    , m_tableDate(tableDate)
    , m_tableTime(tableTime)
    , m_inHouse(inHouse)
{ }

bool TRepTable::add(const TEntryFacts &entry)
{
    if (entry.getBool(FVoided))
        return false;
    takePay(TPayValues::of(entry), entry.getLong(FGiven) - entry.getLong(FReturn),
            entry.getString(FPayformName), entry.date(), entry.time());
    return true;
}

void TRepTable::takePay(const TPayValues &pay, qint64 net, const QString &payformName,
                        const QDate &date, const QTime &time)
{
    TRepPayLeaf::takePay(pay);
    if (pay.amount == 0) {
        m_zeroDate = date;
        m_zeroTime = time;
    }
    if (!m_pays.isEmpty())
        m_pays += QLatin1Char(';');
    m_pays += payformName + QLatin1Char(':') + QString::number(net) + QLatin1Char(':')
              + QString::number(pay.tip);
    setString(QStringLiteral("pays"), m_pays);
}

} // namespace PosLib
