#include "treportleaf.h"

#include "taggregatestream.h"
#include "tfactsof.h"
#include "tround.h"
#include "ttable.h"
#include "ttableentry.h"

#include <QHash>
#include <QTextStream>

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

QString exportText(QString text)
{
    text.replace(QLatin1Char(';'), QLatin1Char(','));
    text.replace(QLatin1Char('\r'), QLatin1Char('|'));
    text.replace(QLatin1Char('\n'), QLatin1Char('|'));
    text.replace(QLatin1Char('"'), QLatin1Char('\''));
    return text;
}

const TField OwnCurrency[] = {FCurr, FCurrName, FCurrShort, FCurrRate, FCurrDecPos};
const TField ReturnCurrency[]
        = {FRetCurr, FRetCurrName, FRetCurrShort, FRetCurrRate, FRetCurrDecPos};

} // namespace

// ---- TReportLeaf ----------------------------------------------------------

TReportLeaf::TReportLeaf() = default;

TReportLeaf::~TReportLeaf() = default;

void TReportLeaf::syncSums() const
{
    if (m_synced)
        return;
    auto *self = const_cast<TReportLeaf *>(this);
    self->setDouble(QStringLiteral("count"), m_count);
    self->setDouble(QStringLiteral("amount"), m_amount);
    for (const TSum &sum : std::as_const(m_sums)) {
        if (sum.isDecimal)
            self->setDouble(sum.key, sum.decimal);
        else
            self->setInt(sum.key, sum.whole);
    }
    m_synced = true;
}

void TReportLeaf::add(double count, double amount)
{
    m_count += count;
    m_amount += amount;
    m_synced = false;
}

namespace {

const char *const SumNameTexts[SumNames]
        = {"tip",           "guests",     "return",     "retamount",    "given",
           "orggiven",      "subvamount", "ccdamount",  "ccdbalance",   "ccddifferences",
           "repordercount", "sumoh",      "sumih",      "repvoidcount", "reppaytermsum",
           "discount",      "net",        "vat",        "credits",      "voids",
           "cash",          "tablecount", "tableamount"};

struct SumNameTable
{
    SumNameTable()
    {
        for (int i = 0; i < SumNames; ++i) {
            texts[i] = QString::fromLatin1(SumNameTexts[i]);
            numbers.insert(texts[i], TSumName(i));
        }
    }
    QString texts[SumNames];
    QHash<QString, TSumName> numbers;
};

const SumNameTable &sumNames()
{
    static const SumNameTable table;
    return table;
}

} // namespace

const QString &sumName(TSumName name)
{
    return sumNames().texts[name];
}

TSumName sumNameOf(const QString &name)
{
    return sumNames().numbers.value(name, SumOther);
}

TReportLeaf::TSum *TReportLeaf::findSum(const QString &key) const
{
    const TSumName name = sumNameOf(key);
    if (name != SumOther)
        return findSum(name);
    for (TSum &sum : m_sums) {
        if (sum.key == key)
            return &sum;
    }
    return nullptr;
}

// A sum starts from what the record holds under its name.
TReportLeaf::TSum &TReportLeaf::sumFor(TSumName name, const QString &key, bool isDecimal)
{
    if (TSum *sum = name != SumOther ? findSum(name) : findSum(key))
        return *sum;
    TSum sum;
    sum.key = key;
    sum.name = name;
    sum.isDecimal = isDecimal;
    if (isDecimal)
        sum.decimal = Basics::TValue::getDouble(key);
    else
        sum.whole = Basics::TValue::getLong(key);
    m_sums.append(sum);
    return m_sums.last();
}

qint64 TReportLeaf::sum(TSumName name) const
{
    if (const TSum *sum = findSum(name))
        return sum->isDecimal ? qint64(sum->decimal.value()) : sum->whole;
    return Basics::TValue::getLong(sumName(name));
}

qint64 TReportLeaf::sum(const QString &key) const
{
    if (const TSum *sum = findSum(key))
        return sum->isDecimal ? qint64(sum->decimal.value()) : sum->whole;
    return Basics::TValue::getLong(key);
}

double TReportLeaf::doubleSum(TSumName name) const
{
    if (const TSum *sum = findSum(name))
        return sum->isDecimal ? sum->decimal.value() : double(sum->whole);
    return Basics::TValue::getDouble(sumName(name));
}

double TReportLeaf::doubleSum(const QString &key) const
{
    if (const TSum *sum = findSum(key))
        return sum->isDecimal ? sum->decimal.value() : double(sum->whole);
    return Basics::TValue::getDouble(key);
}

void TReportLeaf::addTo(TSum &sum, qint64 value)
{
    if (sum.isDecimal)
        sum.decimal += double(value);
    else
        sum.whole += value;
    m_synced = false;
}

void TReportLeaf::addTo(TSum &sum, double value)
{
    if (sum.isDecimal)
        sum.decimal += value;
    else
        sum.whole += qint64(value);
    m_synced = false;
}

void TReportLeaf::addSum(TSumName name, qint64 value)
{
    TSum *sum = findSum(name);
    addTo(sum ? *sum : sumFor(name, sumName(name), false), value);
}

void TReportLeaf::addSum(const QString &key, qint64 value)
{
    addTo(sumFor(sumNameOf(key), key, false), value);
}

void TReportLeaf::addDoubleSum(TSumName name, double value)
{
    TSum *sum = findSum(name);
    addTo(sum ? *sum : sumFor(name, sumName(name), true), value);
}

void TReportLeaf::addDoubleSum(const QString &key, double value)
{
    addTo(sumFor(sumNameOf(key), key, true), value);
}

void TReportLeaf::copyFields(const TValue &from, std::initializer_list<const char *> keys)
{
    for (const char *key : keys) {
        const QString name = QString::fromLatin1(key);
        if (from.has(name))
            set(name, from.get(name));
    }
}

void TReportLeaf::writeRecord(const TValue &record, QTextStream &out, QStringList &columns) const
{
    TValue line;
    const bool partial = roundHalfUp(m_count * 1000.0) != roundHalfUp(m_count) * 1000;
    line.setBool(QStringLiteral("partcount"), partial);
    for (auto it = fields().cbegin(); it != fields().cend(); ++it)
        line.set(it.key(), it.value());
    for (auto it = record.fields().cbegin(); it != record.fields().cend(); ++it)
        line.set(it.key(), it.value());
    for (auto it = line.fields().cbegin(); it != line.fields().cend(); ++it) {
        if (!columns.contains(it.key()))
            columns.append(it.key());
    }
    for (int i = 0; i < columns.size(); ++i) {
        if (i > 0)
            out << ';';
        out << exportText(line.getString(columns.at(i)));
    }
    out << '\n';
}

void TReportLeaf::writeState(TAggregateWriter &out) const
{
    // the fields as held; the sums are written into them anew after reading
    // by their length first: a later day's leaf that is there already
    // passes over them
    const Fields &all = Basics::TValue::fields();
    const qsizetype length = out.mark();
    out.u32(quint32(all.size()));
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        out.text(it.key());
        out.i32(it.value().type);
        out.text(it.value().text);
    }
    out.patch(length, quint32(out.size() - length - qsizetype(sizeof(quint32))));
    out.exact(m_count);
    out.exact(m_amount);
    out.u32(quint32(m_sums.size()));
    for (const TSum &sum : std::as_const(m_sums)) {
        out.text(sum.key);
        out.boolean(sum.isDecimal);
        out.i64(sum.whole);
        out.exact(sum.decimal);
    }
}

void TReportLeaf::readState(TAggregateReader &in, bool fresh)
{
    const quint32 length = in.fixed32();
    if (!fresh) {
        in.skip(length);
    } else {
        const quint32 fields = in.count(3);
        reserve(int(fields));
        for (quint32 i = 0; i < fields && in.ok(); ++i) {
            const QString &key = in.text();
            const qint32 type = in.i32();
            const QString &text = in.text();
            if (in.ok())
                set(key, Basics::TValueField(type, text));
        }
    }
    const TExactSum count = in.exact();
    const TExactSum amount = in.exact();
    if (fresh) {
        m_count = count;
        m_amount = amount;
    } else {
        m_count.add(count);
        m_amount.add(amount);
    }
    const quint32 sums = in.count(12);
    for (quint32 i = 0; i < sums && in.ok(); ++i) {
        const QString key = in.text();
        const bool isDecimal = in.boolean();
        const qint64 whole = in.i64();
        const TExactSum decimal = in.exact();
        if (!in.ok())
            break;
        TSum *sum = findSum(key);
        if (!sum) {
            if (fresh) {
                TSum added;
                added.key = key;
                added.name = sumNameOf(key);
                added.isDecimal = isDecimal;
                added.whole = whole;
                added.decimal = decimal;
                m_sums.append(added);
                continue;
            }
            sum = &sumFor(sumNameOf(key), key, isDecimal);
        }
        // as the entries of that day would have added up
        if (sum->isDecimal)
            sum->decimal.add(isDecimal ? decimal : TExactSum(double(whole)));
        else
            sum->whole += isDecimal ? qint64(decimal.value()) : whole;
    }
    m_synced = false;
}

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
    if (!table.isNull())
        table.header().copyTo(*this, {FTable, FParty, FBillNum, FVatOh});
    entry.copyTo(*this, {FIsVatOh, FFamGroup, FFamGrpName, FFamily, FFamilyName, FArticle,
                         FTerminal, FCenter, FWaiter, FRateIh, FRateOh});
    setInt(QStringLiteral("price"), entry.price());
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

TRepArticle::TRepArticle(const TTableEntry *entry)
    : TRepArticle(TFactsOf(entry, nullptr).entry())
{ }

TRepArticle::TRepArticle(const TEntryFacts &entry)
{
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
    if (!TRepOrderLeaf::add(entry, table))
        return false;
    // 1190 gross at 19.00 % (rate 1900): net = 1190 x 100 / 119 = 1000
    const double gross = double(lineAmount(entry.price(), entry.count()));
    const double rate = entry.getDouble(outOfHouse(entry, table) ? FRateOh : FRateIh);
    const double net = gross * 100.0 / (100.0 + rate / 100.0);
    addDoubleSum(SumNet, net);
    addDoubleSum(SumVat, gross - net);
    return true;
}

void TRepVatRate::addVat(double vat)
{
    addDoubleSum(SumVat, vat);
}

// ---- void leaves ----------------------------------------------------------

bool TRepVoidLeaf::addEntry(TTableEntry *entry)
{
    return add(TFactsOf(entry, nullptr).entry());
}

bool TRepVoidLeaf::add(const TEntryFacts &entry)
{
    const double count = entry.count();
    if (count == 0)
        return false;
    TReportLeaf::add(count, entry.getDouble(FAmount));
    return true;
}

TRepVoid::TRepVoid(const TTableEntry *entry, const TTable *table)
    : TRepVoid(TFactsOf(entry, nullptr).entry(), TFactsOf(nullptr, table).table())
{ }

TRepVoid::TRepVoid(const TEntryFacts &entry, const TTableFacts &table)
{
    entry.copyTo(*this, {FArticle, FPlu, FPrice, FVWaiter, FVWaiterName, FReason});
    if (!table.isNull())
        table.header().copyTo(*this, {FTable, FParty});
}

bool TRepVoid::add(const TEntryFacts &entry)
{
    if (!TRepVoidLeaf::add(entry))
        return false;
    m_date = entry.date();
    m_time = entry.time();
    m_dated = true;
    return true;
}

void TRepVoid::writeState(TAggregateWriter &out) const
{
    TRepVoidLeaf::writeState(out);
    out.boolean(m_dated);
    out.date(m_date);
    out.time(m_time);
}

void TRepVoid::readState(TAggregateReader &in, bool fresh)
{
    TRepVoidLeaf::readState(in, fresh);
    const bool dated = in.boolean();
    const QDate date = in.date();
    const QTime time = in.time();
    // the last void taken sets them
    if (dated) {
        m_dated = true;
        m_date = date;
        m_time = time;
    }
}

TRepVArticle::TRepVArticle(const TTableEntry *entry)
    : TRepVArticle(TFactsOf(entry, nullptr).entry())
{ }

TRepVArticle::TRepVArticle(const TEntryFacts &entry)
{
    entry.copyTo(*this, {FArticle, FPrice});
}

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
    if (!table.isNull()) {
        setBool(QStringLiteral("vatoh"), table.vatOh());
        setBool(QStringLiteral("insum"), table.inSum());
        table.header().copyTo(*this, {FBillNum});
    }
    entry.copyTo(*this, {FPayform, FPayformName, FInTermSum, FWaiter, FWaiterName});
    const TField *from = returnMode ? ReturnCurrency : OwnCurrency;
    for (int i = 0; i < 5; ++i) {
        if (entry.has(from[i]))
            set(fieldName(OwnCurrency[i]), entry.get(from[i]));
    }
}

TRepPayform::TRepPayform(bool returnMode)
    : m_returnMode(returnMode)
{ }

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
