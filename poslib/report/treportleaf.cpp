#include "treportleaf.h"

#include "tround.h"
#include "ttable.h"
#include "ttableentry.h"

#include <QTextStream>

using namespace Basics;

namespace PosLib {

namespace {

// Takeaway: the entry's own "isvatoh" when it has one, else the table's.
bool outOfHouse(const TTableEntry *entry, const TTable *table)
{
    if (entry->has(QStringLiteral("isvatoh")))
        return entry->getBool(QStringLiteral("isvatoh"));
    return table && table->vatOh();
}

QString exportText(QString text)
{
    text.replace(QLatin1Char(';'), QLatin1Char(','));
    text.replace(QLatin1Char('\r'), QLatin1Char('|'));
    text.replace(QLatin1Char('\n'), QLatin1Char('|'));
    text.replace(QLatin1Char('"'), QLatin1Char('\''));
    return text;
}

// Header value of a table, falling back to its creation record.
QString tableValue(const TTable *table, const QString &key)
{
    if (!table)
        return QString();
    if (table->has(key))
        return table->getString(key);
    return table->create().getString(key);
}

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

TReportLeaf::TSum *TReportLeaf::findSum(const QString &key) const
{
    for (TSum &sum : m_sums) {
        if (sum.key == key)
            return &sum;
    }
    return nullptr;
}

// A sum starts from what the record holds under its name.
TReportLeaf::TSum &TReportLeaf::sumFor(const QString &key, bool isDecimal)
{
    if (TSum *sum = findSum(key))
        return *sum;
    TSum sum;
    sum.key = key;
    sum.isDecimal = isDecimal;
    if (isDecimal)
        sum.decimal = Basics::TValue::getDouble(key);
    else
        sum.whole = Basics::TValue::getLong(key);
    m_sums.append(sum);
    return m_sums.last();
}

qint64 TReportLeaf::sum(const QString &key) const
{
    if (const TSum *sum = findSum(key))
        return sum->isDecimal ? qint64(sum->decimal) : sum->whole;
    return Basics::TValue::getLong(key);
}

double TReportLeaf::doubleSum(const QString &key) const
{
    if (const TSum *sum = findSum(key))
        return sum->isDecimal ? sum->decimal : double(sum->whole);
    return Basics::TValue::getDouble(key);
}

void TReportLeaf::addSum(const QString &key, qint64 value)
{
    TSum &sum = sumFor(key, false);
    if (sum.isDecimal)
        sum.decimal += double(value);
    else
        sum.whole += value;
    m_synced = false;
}

void TReportLeaf::addDoubleSum(const QString &key, double value)
{
    TSum &sum = sumFor(key, true);
    if (sum.isDecimal)
        sum.decimal += value;
    else
        sum.whole += qint64(value);
    m_synced = false;
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

// ---- order leaves ---------------------------------------------------------

bool TRepOrderLeaf::addEntry(TTableEntry *entry, const TTable *)
{
    const double count = entry->count();
    if (count == 0)
        return false;
    add(count, double(entry->price()) * count);
    return true;
}

TRepOrder::TRepOrder(const TTableEntry *entry, const TTable *table)
{
    if (table)
        copyFields(*table, {"table", "party", "billnum", "vatoh"});
    copyFields(*entry, {"isvatoh", "famgroup", "famgrpname", "family", "familyname", "article",
                        "terminal", "center", "waiter", "rateih", "rateoh"});
    setInt(QStringLiteral("price"), entry->price());
}

TRepFamily::TRepFamily(const TTableEntry *entry)
{
    copyFields(*entry, {"family", "familyname"});
}

TRepFamGroup::TRepFamGroup(const TTableEntry *entry)
{
    copyFields(*entry, {"famgroup", "famgrpname"});
}

TRepArticle::TRepArticle(const TTableEntry *entry)
{
    copyFields(*entry, {"article", "artshort", "iscontrol"});
    setInt(QStringLiteral("price"), entry->price());
}

TRepDiscount::TRepDiscount(const TTableEntry *entry)
    : TRepArticle(entry)
{
    copyFields(*entry,
               {"discbase", "discid", "discname", "discrate", "discabs", "discsub", "discsubname"});
}

bool TRepDiscount::addEntry(TTableEntry *entry, const TTable *table)
{
    if (!TRepArticle::addEntry(entry, table))
        return false;
    addDoubleSum(QStringLiteral("discount"),
                 entry->count() * entry->getDouble(QStringLiteral("discount")));
    return true;
}

TRepDepartment::TRepDepartment(const TTableEntry *entry)
    : TRepArticle(entry)
{
    copyFields(*entry, {"department", "depname"});
}

TRepHour::TRepHour(int hour)
{
    setInt(QStringLiteral("hour"), hour);
}

TRepVatRate::TRepVatRate(const TTableEntry *entry, const TTable *table)
{
    if (table) {
        setBool(QStringLiteral("vatoh"), table->vatOh());
        setBool(QStringLiteral("insum"), table->inSum());
    }
    copyFields(*entry, {"isvatoh", "vatrate", "rateih", "rateoh"});
}

bool TRepVatRate::addEntry(TTableEntry *entry, const TTable *table)
{
    if (table && !table->inSum())
        return false;
    if (!TRepOrderLeaf::addEntry(entry, table))
        return false;
    // 1190 gross at 19.00 % (rate 1900): net = 1190 x 100 / 119 = 1000
    const double gross = double(lineAmount(entry->price(), entry->count()));
    const double rate = entry->getDouble(outOfHouse(entry, table) ? QStringLiteral("rateoh")
                                                                  : QStringLiteral("rateih"));
    const double net = gross * 100.0 / (100.0 + rate / 100.0);
    m_net += net;
    m_vat += gross - net;
    setDouble(QStringLiteral("net"), m_net);
    setDouble(QStringLiteral("vat"), m_vat);
    return true;
}

void TRepVatRate::addVat(double vat)
{
    m_vat += vat;
    setDouble(QStringLiteral("vat"), m_vat);
}

// ---- void leaves ----------------------------------------------------------

bool TRepVoidLeaf::addEntry(TTableEntry *entry)
{
    const double count = entry->count();
    if (count == 0)
        return false;
    add(count, entry->getDouble(QStringLiteral("amount")));
    return true;
}

TRepVoid::TRepVoid(const TTableEntry *entry, const TTable *table)
{
    copyFields(*entry, {"article", "plu", "price", "vwaiter", "vwaitername", "reason"});
    if (table)
        copyFields(*table, {"table", "party"});
}

bool TRepVoid::addEntry(TTableEntry *entry)
{
    if (!TRepVoidLeaf::addEntry(entry))
        return false;
    m_date = entry->date();
    m_time = entry->time();
    return true;
}

TRepVArticle::TRepVArticle(const TTableEntry *entry)
{
    copyFields(*entry, {"article", "price"});
}

// ---- pay leaves -----------------------------------------------------------

bool TRepPayLeaf::addEntry(TTableEntry *entry)
{
    if (entry->isVoided())
        return false;
    add(1, double(entry->amount()));
    addSum(QStringLiteral("tip"), entry->tip());
    addSum(QStringLiteral("guests"), entry->getLong(QStringLiteral("guests")));
    return true;
}

TRepPayform::TRepPayform(const TTableEntry *entry, const TTable *table, bool returnMode)
    : m_returnMode(returnMode)
{
    if (table) {
        setBool(QStringLiteral("vatoh"), table->vatOh());
        setBool(QStringLiteral("insum"), table->inSum());
        copyFields(*table, {"billnum"});
    }
    copyFields(*entry, {"payform", "payformname", "intermsum", "waiter", "waitername"});
    static const char *const own[] = {"curr", "currname", "currshort", "currrate", "currdecpos"};
    static const char *const ret[]
            = {"retcurr", "retcurrname", "retcurrshort", "retcurrrate", "retcurrdecpos"};
    for (int i = 0; i < 5; ++i) {
        const QString from = QString::fromLatin1(returnMode ? ret[i] : own[i]);
        if (entry->has(from))
            set(QString::fromLatin1(own[i]), entry->get(from));
    }
}

bool TRepPayform::addEntry(TTableEntry *entry)
{
    if (!TRepPayLeaf::addEntry(entry))
        return false;
    // the pay form's amount is what the guest paid, tip included
    m_amount += double(entry->tip());
    touch();
    addSum(QStringLiteral("return"), entry->getLong(QStringLiteral("return")));
    addSum(QStringLiteral("retamount"), entry->getLong(QStringLiteral("retamount")));
    qint64 given = entry->getLong(QStringLiteral("given"));
    if (given == 0)
        given = entry->amount();
    addSum(QStringLiteral("given"), given);
    addSum(QStringLiteral("orggiven"), entry->has(QStringLiteral("orggiven"))
                                               ? entry->getLong(QStringLiteral("orggiven"))
                                               : given);
    return true;
}

TRepSubvent::TRepSubvent(const TTableEntry *entry, const TTable *table)
    : TRepPayform(entry, table)
{
    copyFields(*entry, {"subvent", "subvid", "subvname"});
}

bool TRepSubvent::addEntry(TTableEntry *entry)
{
    if (!TRepPayform::addEntry(entry))
        return false;
    addSum(QStringLiteral("subvamount"), entry->getLong(QStringLiteral("subvamount")));
    return true;
}

TRepHotelRoom::TRepHotelRoom(const TTableEntry *entry, const TTable *table)
    : TRepPayform(entry, table)
    , m_payDate(entry->date())
    , m_payTime(entry->time())
{
    if (table)
        copyFields(*table, {"table", "party", "billnum"});
    copyFields(*entry,
               {"room", "hotparty", "hotelacc", "hotelguest", "waitername", "date", "time"});
}

bool TRepHotelRoom::addEntry(TTableEntry *entry)
{
    if (entry->getString(QStringLiteral("room")).isEmpty())
        return false;
    return TRepPayform::addEntry(entry);
}

TRepTable::TRepTable(const TTableEntry *entry, const TTable *table)
    : m_payDate(entry->date())
    , m_payTime(entry->time())
    , m_inHouse(!(table && table->vatOh()))
{
    if (table) {
        copyFields(*table, {"table", "party"});
        setString(QStringLiteral("tablename"), tableValue(table, QStringLiteral("tablename")));
        m_tableDate = QDate::fromString(tableValue(table, QStringLiteral("date")), Qt::ISODate);
        m_tableTime = QTime::fromString(tableValue(table, QStringLiteral("time")), Qt::ISODate);
    }
}

bool TRepTable::addEntry(TTableEntry *entry)
{
    if (!TRepPayLeaf::addEntry(entry))
        return false;
    if (entry->amount() == 0) {
        m_zeroDate = entry->date();
        m_zeroTime = entry->time();
    }
    if (!m_pays.isEmpty())
        m_pays += QLatin1Char(';');
    m_pays += entry->getString(QStringLiteral("payformname")) + QLatin1Char(':')
              + QString::number(entry->getLong(QStringLiteral("given"))
                                - entry->getLong(QStringLiteral("return")))
              + QLatin1Char(':') + QString::number(entry->tip());
    setString(QStringLiteral("pays"), m_pays);
    return true;
}

// ---- cash and balance -----------------------------------------------------

TRepCashLeaf::TRepCashLeaf(const TTableEntry *entry)
{
    static const char *const own[] = {"curr", "currname", "currshort", "currrate", "currdecpos"};
    static const char *const ret[]
            = {"retcurr", "retcurrname", "retcurrshort", "retcurrrate", "retcurrdecpos"};
    for (int i = 0; i < 5; ++i) {
        const QString from = QString::fromLatin1(ret[i]);
        if (entry->has(from)) {
            m_currency.set(QString::fromLatin1(own[i]), entry->get(from));
            set(from, entry->get(from));
        }
    }
    if (m_currency.has(QStringLiteral("curr")))
        m_currency.setId(m_currency.getInt(QStringLiteral("curr")));
}

bool TRepCashLeaf::addEntry(TTableEntry *entry)
{
    add(1, double(entry->amount()));
    addSum(QStringLiteral("retamount"), entry->getLong(QStringLiteral("retamount")));
    setString(QStringLiteral("reason"), entry->getString(QStringLiteral("reason")));
    return true;
}

bool TRepBalanceLeaf::addEntry(TTableEntry *entry)
{
    add(1, 0);
    addSum(QStringLiteral("ccdamount"), entry->getLong(QStringLiteral("ccdamount")));
    addSum(QStringLiteral("ccdbalance"), entry->getLong(QStringLiteral("ccdbalance")));
    addSum(QStringLiteral("ccddifferences"), entry->getLong(QStringLiteral("ccddifferences")));
    for (const char *flag : {"allwaiters", "ccdterminal", "ccdcostcenter"}) {
        const QString key = QString::fromLatin1(flag);
        setBool(key, entry->has(key));
    }
    copyFields(*entry, {"waiter", "waitername", "terminal", "termname", "center", "centername"});
    return true;
}

} // namespace PosLib
