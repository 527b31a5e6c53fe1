#include "treporderleaves.h"

#include "tfactsof.h"
#include "tkeptfill.h"
#include "tround.h"
#include "ttable.h"
#include "ttableentry.h"

#include <cmath>
#include <cstring>

using namespace Basics;

namespace PosLib {

namespace {

// Takeaway: the entry's own "isvatoh" when it has one, else the table's.
bool outOfHouse(const TEntryFacts &entry, const TTableFacts &table)
{
    if (entry.has(FIsVatOh))
        return entry.getBool(FIsVatOh);
    return !table.isNull() && table.vatOh();
}

} // namespace

// ---- order leaves ---------------------------------------------------------

bool TRepOrderLeaf::addEntry(TTableEntry *entry, const TTable *table)
{
    const TFactsOf facts(entry, table);
    return add(facts.entry(), facts.table());
}

bool TRepOrderLeaf::add(const TEntryFacts &entry, const TTableFacts &)
{
    const double count = entry.count();
    if (count == 0)
        return false;
    TReportLeaf::add(count, double(entry.price()) * count);
    return true;
}

TRepOrder::TRepOrder(const TTableEntry *entry, const TTable *table)
    : TRepOrder(TFactsOf(entry, table).entry(), TFactsOf(nullptr, table).table())
{ }

TRepOrder::TRepOrder(const TEntryFacts &entry, const TTableFacts &table)
{
    // one allocation for the fields (a leaf is made per new key of a day)
    reserve(16);
    if (!table.isNull())
        table.header().copyTo(*this, {FTable, FParty, FBillNum, FVatOh});
    entry.copyTo(*this, {FIsVatOh, FFamGroup, FFamGrpName, FFamily, FFamilyName, FArticle,
                         FTerminal, FCenter, FWaiter, FRateIh, FRateOh});
    setInt(QStringLiteral("price"), entry.price());
}

void TRepArticle::refill(const TEntryFacts &entry)
{
    restart();
    if (!m_kept)
        m_kept = std::make_unique<TKeptFill>();
    Basics::TValue &record = *this;
    m_kept->start(record);
    m_kept->copy(record, 0, entry, FArticle);
    m_kept->copy(record, 1, entry, FArtShort);
    m_kept->copy(record, 2, entry, FIsControl);
    m_kept->setInt(record, 3, QStringLiteral("price"), entry.price());
    m_kept->finish(record);
}

TRepFamily::TRepFamily(const TTableEntry *entry)
    : TRepFamily(TFactsOf(entry, nullptr).entry())
{ }

TRepFamily::TRepFamily(const TEntryFacts &entry)
{
    entry.copyTo(*this, {FFamily, FFamilyName});
}

TRepFamGroup::TRepFamGroup(const TTableEntry *entry)
    : TRepFamGroup(TFactsOf(entry, nullptr).entry())
{ }

TRepFamGroup::TRepFamGroup(const TEntryFacts &entry)
{
    entry.copyTo(*this, {FFamGroup, FFamGrpName});
}

TRepArticle::TRepArticle() = default;

TRepArticle::~TRepArticle() = default;

TRepArticle::TRepArticle(const TTableEntry *entry)
    : TRepArticle(TFactsOf(entry, nullptr).entry())
{ }

TRepArticle::TRepArticle(const TEntryFacts &entry)
{
    fill(entry);
}

void TRepArticle::fill(const TEntryFacts &entry)
{
    reserve(4);
    entry.copyTo(*this, {FArticle, FArtShort, FIsControl});
    setInt(QStringLiteral("price"), entry.price());
}

TRepDiscount::TRepDiscount(const TTableEntry *entry)
    : TRepDiscount(TFactsOf(entry, nullptr).entry())
{ }

TRepDiscount::TRepDiscount(const TEntryFacts &entry)
    : TRepArticle(entry)
{
    entry.copyTo(*this,
                 {FDiscBase, FDiscId, FDiscName, FDiscRate, FDiscAbs, FDiscSub, FDiscSubName});
}

bool TRepDiscount::add(const TEntryFacts &entry, const TTableFacts &table)
{
    if (!TRepArticle::add(entry, table))
        return false;
    addDoubleSum(SumDiscount, entry.count() * entry.getDouble(FDiscount));
    return true;
}

TRepDepartment::TRepDepartment(const TTableEntry *entry)
    : TRepArticle(entry)
{
    copyFields(*entry, {"department", "depname"});
}

TRepDepartment::TRepDepartment(const TEntryFacts &entry, int department, const QString &name)
    : TRepArticle(entry)
{
    setInt(QStringLiteral("department"), department);
    setString(QStringLiteral("depname"), name);
}

TRepHour::TRepHour(int hour)
{
    setInt(QStringLiteral("hour"), hour);
}

TRepVatRate::TRepVatRate(const TTableEntry *entry, const TTable *table)
    : TRepVatRate(TFactsOf(entry, nullptr).entry(), TFactsOf(nullptr, table).table())
{ }

TRepVatRate::TRepVatRate(const TEntryFacts &entry, const TTableFacts &table)
{
    reserve(6);
    if (!table.isNull()) {
        setBool(QStringLiteral("vatoh"), table.vatOh());
        setBool(QStringLiteral("insum"), table.inSum());
    }
    entry.copyTo(*this, {FIsVatOh, FVatRate, FRateIh, FRateOh});
}

bool TRepVatRate::add(const TEntryFacts &entry, const TTableFacts &table)
{
    if (!table.isNull() && !table.inSum())
        return false;
    const double count = entry.count();
    if (count == 0)
        return false;
    addLine(count, entry.price(), entry.getDouble(outOfHouse(entry, table) ? FRateOh : FRateIh));
    return true;
}

void TRepVatRate::addLine(double count, qint64 price, double rate)
{
    TReportLeaf::add(count, double(price) * count);
    if (!m_held.isEmpty() && std::memcmp(&rate, &m_heldRate, sizeof rate) != 0)
        settle();
    if (m_held.isEmpty()) {
        // the sums take their places as the first order would make them
        makeSum(SumNet, true);
        makeSum(SumVat, true);
        m_heldRate = rate;
    }
    m_held.add(lineAmount(price, count));
    touch();
}

void TRepVatRate::settle() const
{
    if (m_held.isEmpty())
        return;
    auto *self = const_cast<TRepVatRate *>(this);
    self->m_held.take([self](qint64 amount, qint64 times) {
        // 1190 gross at 19.00 % (rate 1900): net = 1190 x 100 / 119 = 1000
        const double gross = double(amount);
        const double net = gross * 100.0 / (100.0 + self->m_heldRate / 100.0);
        self->addTimes(SumNet, net, times);
        self->addTimes(SumVat, gross - net, times);
    });
}

void TRepVatRate::addTimes(TSumName name, double value, qint64 times)
{
    // value x times exactly: the product rounded and what the rounding
    // dropped, where neither overflows nor loses bits below the smallest
    // normal double; else one by one
    const double n = double(times);
    const double high = value * n;
    if (times > 1 && qint64(n) == times && std::isfinite(high) && std::fabs(high) >= 0x1p-900) {
        addDoubleSum(name, high);
        const double low = std::fma(value, n, -high);
        if (low != 0)
            addDoubleSum(name, low);
        return;
    }
    for (qint64 i = 0; i < times; ++i)
        addDoubleSum(name, value);
}

void TRepVatRate::addVat(double vat)
{
    addDoubleSum(SumVat, vat);
}

} // namespace PosLib
