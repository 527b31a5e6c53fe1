#include "tclosingrecord.h"

#include "tsavefile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

using namespace Basics;

namespace PosLib {

namespace {

const QLatin1String SealKey("seal");

QJsonObject person(int number, const QString &name)
{
    return {{QStringLiteral("number"), number}, {QStringLiteral("name"), name}};
}

// The bytes the seal is taken over: the record without its seal, compact,
// keys sorted.
QByteArray sealedContent(QJsonObject object)
{
    object.remove(SealKey);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

template <typename F>
long extreme(const QList<TClosingBill> &bills, F field, bool lowest)
{
    if (bills.isEmpty())
        return 0;
    long value = field(bills.first());
    for (const TClosingBill &bill : bills)
        value = lowest ? std::min(value, field(bill)) : std::max(value, field(bill));
    return value;
}

} // namespace

bool TClosingBill::operator==(const TClosingBill &o) const
{
    return file == o.file && archive == o.archive && table == o.table && party == o.party
           && bill == o.bill && amount == o.amount && sha256 == o.sha256;
}

bool TClosingTotals::operator==(const TClosingTotals &o) const
{
    return amount == o.amount && payments == o.payments && vatRates == o.vatRates
           && voidCount == o.voidCount && voidAmount == o.voidAmount;
}

long TClosingRecord::firstArchive() const
{
    return extreme(bills, [](const TClosingBill &b) { return b.archive; }, true);
}

long TClosingRecord::lastArchive() const
{
    return extreme(bills, [](const TClosingBill &b) { return b.archive; }, false);
}

long TClosingRecord::firstBill() const
{
    return extreme(bills, [](const TClosingBill &b) { return b.bill; }, true);
}

long TClosingRecord::lastBill() const
{
    return extreme(bills, [](const TClosingBill &b) { return b.bill; }, false);
}

// {
//   "format": 1,
//   "z": 12, "dayZ": 5, "date": "2014-03-05",
//   "kind": "day" | "waiter",
//   "waiter": {"number", "name"},            only for a waiter's closing
//   "executingWaiter": {"number", "name"},   only when one was given
//   "application", "terminal", "costCenter",
//   "start", "end": local ISO date and time of the run,
//   "completedLater": true when the next closing completed a cut-off run,
//   "bills": {"count", "firstArchive", "lastArchive", "firstBill", "lastBill",
//             "files": [{"file", "archive", "table", "party", "bill",
//                        "amount", "sha256"}]},
//   "totals": {"amount",
//              "payments": [{"payform", "name", "count", "amount"}],
//              "vatRates": [{"rate", "gross", "net", "vat"}],
//              "voids": {"count", "amount"}},            amounts in cents
//   "daySummary": {"file", "sha256"} or null,
//   "previous": {"z", "sha256"} or null for the first record,
//   "cashCount": TCashCount::toJson(), only in format 2 (a count was made),
//   "seal": SHA-256 of the compact JSON of all other keys
// }
QJsonObject TClosingRecord::toJson() const
{
    QJsonObject o;
    o.insert(QStringLiteral("format"), cashCount.isEmpty() ? Format : FormatWithCount);
    o.insert(QStringLiteral("z"), qint64(z));
    o.insert(QStringLiteral("dayZ"), qint64(dayZ));
    o.insert(QStringLiteral("date"), date.toString(Qt::ISODate));
    o.insert(QStringLiteral("kind"), isWholeDay() ? QStringLiteral("day") : QStringLiteral("waiter"));
    if (!isWholeDay())
        o.insert(QStringLiteral("waiter"), person(waiter, waiterName));
    if (executingWaiter != 0)
        o.insert(QStringLiteral("executingWaiter"), person(executingWaiter, executingWaiterName));
    o.insert(QStringLiteral("application"), application);
    o.insert(QStringLiteral("terminal"), qint64(terminal));
    o.insert(QStringLiteral("costCenter"), qint64(costCenter));
    o.insert(QStringLiteral("start"), start.toString(Qt::ISODate));
    o.insert(QStringLiteral("end"), end.toString(Qt::ISODate));
    o.insert(QStringLiteral("completedLater"), completedLater);

    QJsonArray files;
    for (const TClosingBill &b : bills)
        files.append(QJsonObject {{QStringLiteral("file"), b.file},
                                  {QStringLiteral("archive"), qint64(b.archive)},
                                  {QStringLiteral("table"), qint64(b.table)},
                                  {QStringLiteral("party"), b.party},
                                  {QStringLiteral("bill"), qint64(b.bill)},
                                  {QStringLiteral("amount"), b.amount},
                                  {QStringLiteral("sha256"), QString::fromLatin1(b.sha256)}});
    o.insert(QStringLiteral("bills"),
             QJsonObject {{QStringLiteral("count"), int(bills.size())},
                          {QStringLiteral("firstArchive"), qint64(firstArchive())},
                          {QStringLiteral("lastArchive"), qint64(lastArchive())},
                          {QStringLiteral("firstBill"), qint64(firstBill())},
                          {QStringLiteral("lastBill"), qint64(lastBill())},
                          {QStringLiteral("files"), files}});

    QJsonArray payments;
    for (auto it = totals.payments.cbegin(); it != totals.payments.cend(); ++it)
        payments.append(QJsonObject {{QStringLiteral("payform"), it.key()},
                                     {QStringLiteral("name"), it->name},
                                     {QStringLiteral("count"), it->count},
                                     {QStringLiteral("amount"), it->amount}});
    QJsonArray rates;
    for (auto it = totals.vatRates.cbegin(); it != totals.vatRates.cend(); ++it)
        rates.append(QJsonObject {{QStringLiteral("rate"), it.key()},
                                  {QStringLiteral("gross"), it->gross},
                                  {QStringLiteral("net"), it->net},
                                  {QStringLiteral("vat"), it->vat()}});
    o.insert(QStringLiteral("totals"),
             QJsonObject {{QStringLiteral("amount"), totals.amount},
                          {QStringLiteral("payments"), payments},
                          {QStringLiteral("vatRates"), rates},
                          {QStringLiteral("voids"),
                           QJsonObject {{QStringLiteral("count"), totals.voidCount},
                                        {QStringLiteral("amount"), totals.voidAmount}}}});

    if (summarySha256.isEmpty())
        o.insert(QStringLiteral("daySummary"), QJsonValue::Null);
    else
        o.insert(QStringLiteral("daySummary"),
                 QJsonObject {{QStringLiteral("file"), QStringLiteral("var/summary/")
                                                               + date.toString(Qt::ISODate)
                                                               + QStringLiteral(".dat")},
                              {QStringLiteral("sha256"), QString::fromLatin1(summarySha256)}});
    if (previousSha256.isEmpty())
        o.insert(QStringLiteral("previous"), QJsonValue::Null);
    else
        o.insert(QStringLiteral("previous"),
                 QJsonObject {{QStringLiteral("z"), qint64(previousZ)},
                              {QStringLiteral("sha256"), QString::fromLatin1(previousSha256)}});

    if (!cashCount.isEmpty())
        o.insert(QStringLiteral("cashCount"), cashCount.toJson());

    o.insert(SealKey, QString::fromLatin1(sha256Hex(sealedContent(o))));
    return o;
}

QByteArray TClosingRecord::toBytes() const
{
    return QJsonDocument(toJson()).toJson(QJsonDocument::Indented);
}

bool TClosingRecord::fromBytes(const QByteArray &bytes, TClosingRecord *record, QString *error)
{
    auto failed = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parse);
    if (!doc.isObject())
        return failed(parse.error != QJsonParseError::NoError ? parse.errorString()
                                                              : QStringLiteral("not an object"));
    const QJsonObject o = doc.object();
    const int format = o.value(QStringLiteral("format")).toInt();
    if (format != Format && format != FormatWithCount)
        return failed(QStringLiteral("unknown format"));
    TClosingRecord r;
    r.z = long(o.value(QStringLiteral("z")).toInteger());
    if (r.z <= 0)
        return failed(QStringLiteral("no Z counter"));
    r.dayZ = long(o.value(QStringLiteral("dayZ")).toInteger());
    r.date = QDate::fromString(o.value(QStringLiteral("date")).toString(), Qt::ISODate);
    const QJsonObject waiter = o.value(QStringLiteral("waiter")).toObject();
    r.waiter = waiter.value(QStringLiteral("number")).toInt();
    r.waiterName = waiter.value(QStringLiteral("name")).toString();
    const QJsonObject executing = o.value(QStringLiteral("executingWaiter")).toObject();
    r.executingWaiter = executing.value(QStringLiteral("number")).toInt();
    r.executingWaiterName = executing.value(QStringLiteral("name")).toString();
    r.application = o.value(QStringLiteral("application")).toString();
    r.terminal = long(o.value(QStringLiteral("terminal")).toInteger());
    r.costCenter = long(o.value(QStringLiteral("costCenter")).toInteger());
    r.start = QDateTime::fromString(o.value(QStringLiteral("start")).toString(), Qt::ISODate);
    r.end = QDateTime::fromString(o.value(QStringLiteral("end")).toString(), Qt::ISODate);
    r.completedLater = o.value(QStringLiteral("completedLater")).toBool();

    const QJsonArray files = o.value(QStringLiteral("bills"))
                                     .toObject()
                                     .value(QStringLiteral("files"))
                                     .toArray();
    for (const QJsonValue &value : files) {
        const QJsonObject f = value.toObject();
        TClosingBill b;
        b.file = f.value(QStringLiteral("file")).toString();
        b.archive = long(f.value(QStringLiteral("archive")).toInteger());
        b.table = long(f.value(QStringLiteral("table")).toInteger());
        b.party = f.value(QStringLiteral("party")).toInt();
        b.bill = long(f.value(QStringLiteral("bill")).toInteger());
        b.amount = f.value(QStringLiteral("amount")).toInteger();
        b.sha256 = f.value(QStringLiteral("sha256")).toString().toLatin1();
        r.bills << b;
    }
    const QJsonObject totals = o.value(QStringLiteral("totals")).toObject();
    r.totals.amount = totals.value(QStringLiteral("amount")).toInteger();
    for (const QJsonValue &value : totals.value(QStringLiteral("payments")).toArray()) {
        const QJsonObject p = value.toObject();
        TClosingPayment &payment = r.totals.payments[p.value(QStringLiteral("payform")).toInt()];
        payment.name = p.value(QStringLiteral("name")).toString();
        payment.count = p.value(QStringLiteral("count")).toInt();
        payment.amount = p.value(QStringLiteral("amount")).toInteger();
    }
    for (const QJsonValue &value : totals.value(QStringLiteral("vatRates")).toArray()) {
        const QJsonObject v = value.toObject();
        TClosingVat &vat = r.totals.vatRates[v.value(QStringLiteral("rate")).toInt()];
        vat.gross = v.value(QStringLiteral("gross")).toInteger();
        vat.net = v.value(QStringLiteral("net")).toInteger();
    }
    const QJsonObject voids = totals.value(QStringLiteral("voids")).toObject();
    r.totals.voidCount = voids.value(QStringLiteral("count")).toDouble();
    r.totals.voidAmount = voids.value(QStringLiteral("amount")).toInteger();

    r.summarySha256 = o.value(QStringLiteral("daySummary"))
                              .toObject()
                              .value(QStringLiteral("sha256"))
                              .toString()
                              .toLatin1();
    const QJsonObject previous = o.value(QStringLiteral("previous")).toObject();
    r.previousZ = long(previous.value(QStringLiteral("z")).toInteger());
    r.previousSha256 = previous.value(QStringLiteral("sha256")).toString().toLatin1();
    if (format == FormatWithCount)
        r.cashCount = TCashCount::fromJson(o.value(QStringLiteral("cashCount")).toObject());
    *record = r;
    return true;
}

bool TClosingRecord::sealHolds(const QByteArray &bytes)
{
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    if (!doc.isObject())
        return false;
    const QJsonObject o = doc.object();
    return o.value(SealKey).toString().toLatin1() == sha256Hex(sealedContent(o));
}

QString TClosingRecord::fileName(long z)
{
    return QStringLiteral("closing-%1.json").arg(z);
}

long TClosingRecord::zOfFileName(const QString &name)
{
    static const QLatin1String prefix("closing-");
    static const QLatin1String suffix(".json");
    if (!name.startsWith(prefix) || !name.endsWith(suffix))
        return 0;
    bool ok = false;
    const long z = name.mid(prefix.size(), name.size() - prefix.size() - suffix.size()).toLong(&ok);
    return ok && z > 0 ? z : 0;
}

QByteArray sha256Hex(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray fileSha256(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return QByteArray();
    return hash.result().toHex();
}

void saveClosingRecord(const QString &dayDir, const TClosingRecord &record)
{
    TSaveFile file(dayDir + TClosingRecord::fileName(record.z));
    file.open();
    file.write(record.toBytes());
    file.commit();
}

} // namespace PosLib
