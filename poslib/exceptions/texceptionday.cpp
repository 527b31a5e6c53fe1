#include "texceptionday.h"

#include <QDataStream>
#include <QIODevice>

namespace PosLib {

bool TExceptionEntry::operator==(const TExceptionEntry &o) const
{
    return kind == o.kind && outlet == o.outlet && day == o.day && date == o.date && time == o.time
           && waiter == o.waiter && waiterName == o.waiterName && center == o.center
           && centerName == o.centerName && table == o.table && party == o.party && bill == o.bill
           && archive == o.archive && open == o.open && plu == o.plu && article == o.article
           && count == o.count && amount == o.amount && voidWaiter == o.voidWaiter
           && voidWaiterName == o.voidWaiterName && detail == o.detail;
}

void TExceptionDay::clear()
{
    entries.clear();
    waiterBills.clear();
    centerBills.clear();
}

namespace {

// A count or a string length read back must fit in what is left.
constexpr quint32 MaxEntries = 10000000;

void writeEntry(QDataStream &out, const TExceptionEntry &e)
{
    out << quint8(e.kind) << qint32(e.outlet) << e.day << e.date << e.time << qint32(e.waiter)
        << e.waiterName << qint32(e.center) << e.centerName << qint64(e.table) << qint32(e.party)
        << qint64(e.bill) << qint64(e.archive) << e.open << qint64(e.plu) << e.article << e.count
        << e.amount << qint32(e.voidWaiter) << e.voidWaiterName << e.detail;
}

bool readEntry(QDataStream &in, TExceptionEntry &e)
{
    quint8 kind = 0;
    qint32 outlet = 0, waiter = 0, center = 0, party = 0, voidWaiter = 0;
    qint64 table = 0, bill = 0, archive = 0, plu = 0;
    in >> kind >> outlet >> e.day >> e.date >> e.time >> waiter >> e.waiterName >> center
            >> e.centerName >> table >> party >> bill >> archive >> e.open >> plu >> e.article
            >> e.count >> e.amount >> voidWaiter >> e.voidWaiterName >> e.detail;
    if (in.status() != QDataStream::Ok || kind >= ExceptionKindCount)
        return false;
    e.kind = TExceptionKind(kind);
    e.outlet = outlet;
    e.waiter = waiter;
    e.center = center;
    e.table = table;
    e.party = party;
    e.bill = bill;
    e.archive = archive;
    e.plu = plu;
    e.voidWaiter = voidWaiter;
    return true;
}

void writeCounts(QDataStream &out, const QMap<int, qint64> &counts)
{
    out << quint32(counts.size());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        out << qint32(it.key()) << qint64(it.value());
}

bool readCounts(QDataStream &in, QMap<int, qint64> &counts, qint64 left)
{
    quint32 n = 0;
    in >> n;
    // each pair takes 12 bytes
    if (in.status() != QDataStream::Ok || qint64(n) * 12 > left)
        return false;
    for (quint32 i = 0; i < n; ++i) {
        qint32 key = 0;
        qint64 value = 0;
        in >> key >> value;
        counts.insert(key, value);
    }
    return in.status() == QDataStream::Ok;
}

QDataStream::Version streamVersion()
{
    return QDataStream::Qt_6_0;
}

} // namespace

QByteArray TExceptionDay::toBytes(const QByteArray &stamp) const
{
    QByteArray payload;
    {
        QDataStream out(&payload, QIODevice::WriteOnly);
        out.setVersion(streamVersion());
        writeCounts(out, waiterBills);
        writeCounts(out, centerBills);
        out << quint32(entries.size());
        for (const TExceptionEntry &e : entries)
            writeEntry(out, e);
    }
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(streamVersion());
    out << Magic << Version << stamp << quint16(qChecksum(payload)) << payload;
    return bytes;
}

bool TExceptionDay::fromBytes(const QByteArray &bytes, const QByteArray &stamp)
{
    clear();
    QDataStream in(bytes);
    in.setVersion(streamVersion());
    quint32 magic = 0;
    quint16 version = 0, checksum = 0;
    QByteArray stored, payload;
    in >> magic >> version;
    if (in.status() != QDataStream::Ok || magic != Magic || version != Version)
        return false;
    in >> stored >> checksum >> payload;
    if (in.status() != QDataStream::Ok || stored != stamp
        || quint16(qChecksum(payload)) != checksum)
        return false;
    QDataStream body(payload);
    body.setVersion(streamVersion());
    quint32 n = 0;
    bool ok = readCounts(body, waiterBills, payload.size())
              && readCounts(body, centerBills, payload.size());
    if (ok) {
        body >> n;
        ok = body.status() == QDataStream::Ok && n <= MaxEntries && qint64(n) <= payload.size();
    }
    for (quint32 i = 0; ok && i < n; ++i) {
        TExceptionEntry e;
        ok = readEntry(body, e);
        if (ok)
            entries.push_back(std::move(e));
    }
    if (!ok || !body.atEnd()) {
        clear();
        return false;
    }
    return true;
}

} // namespace PosLib
