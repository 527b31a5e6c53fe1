#include "fuzztargets.h"

#include "fuzzsupport.h"
#include "tarchinfo.h"
#include "tarchtable.h"
#include "tdayaggregate.h"
#include "terror.h"
#include "tinifile.h"
#include "tjobparser.h"
#include "trecordcodec.h"
#include "trepdata.h"
#include "tsumfilter.h"
#include "ttable.h"
#include "ttableentry.h"
#include "tvalue.h"

#include <QDate>
#include <QDomDocument>
#include <QFile>
#include <QTextStream>

#include <cstdlib>
#include <cstring>
#include <memory>

using namespace Basics;
using namespace PosLib;

namespace {

QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// An invariant of the reader that the input broke: a crash for the fuzzer.
void require(bool holds)
{
    if (!holds)
        std::abort();
}

// A small paid table for the filter target to test its conditions on.
const TTable &sampleTable()
{
    static std::unique_ptr<TTable> table = [] {
        QByteArray data;
        TValue head;
        head.setInt(QStringLiteral("table"), 12);
        head.setInt(QStringLiteral("party"), 1);
        head.setInt(QStringLiteral("guests"), 3);
        appendRecord(data, head);
        TValue create;
        create.setInt(QStringLiteral("type"), EntryCreate);
        create.setInt(QStringLiteral("waiter"), 7);
        create.setString(QStringLiteral("date"), QStringLiteral("2014-03-05"));
        create.setString(QStringLiteral("time"), QStringLiteral("12:30:00"));
        appendRecord(data, create);
        for (int id = 1; id <= 3; ++id) {
            TValue order;
            order.setId(id);
            order.setInt(QStringLiteral("type"), id == 3 ? EntryPay : EntryOrder);
            order.setInt(QStringLiteral("plu"), 100 + id);
            order.setInt(QStringLiteral("price"), 250 * id);
            order.setDouble(QStringLiteral("count"), 1.5);
            order.setInt(QStringLiteral("amount"), 500);
            appendRecord(data, order);
        }
        auto t = std::make_unique<TTable>(nullptr);
        TRecordReader reader(data);
        t->loadData(reader, true, 0, nullptr, 0);
        return t;
    }();
    return *table;
}

} // namespace

int fuzzValueList(const uint8_t *data, size_t size)
{
    TValueList list;
    try {
        if (list.parseData(bytesOf(data, size)) != 0)
            return 0;
    } catch (const TError &) {
        return 0;
    }
    // what was read writes back and reads again as the same list
    const QByteArray written = list.toData();
    TValueList again;
    require(again.parseData(written) == 0);
    require(again.ids() == list.ids());
    require(again.toData() == written);
    return 0;
}

int fuzzIniFile(const uint8_t *data, size_t size)
{
    const QString path = writeFuzzFile(QStringLiteral("etc/fuzz.ini"), bytesOf(data, size));
    try {
        TInifile ini(path);
        for (TInifile::Section *section : ini.sections()) {
            for (const QString &key : section->keys())
                ini.readString(section->name(), key, QString());
        }
    } catch (const TError &) { }
    return 0;
}

int fuzzTableFile(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    TRecordReader reader(bytes);
    TTable table(nullptr);
    if (table.loadData(reader, true, 0, nullptr, 0) != 0 || table.state() != TTable::Open)
        return 0;
    table.computeAmount();
    QByteArray written;
    table.write(written);
    // a table written reads back with as many entries
    TRecordReader back(written);
    TTable again(nullptr);
    require(again.loadData(back, true, 0, nullptr, 0) == 0);
    return 0;
}

int fuzzDaySummary(const uint8_t *data, size_t size)
{
    writeFuzzFile(QStringLiteral("var/summary/2014-03-05.dat"), bytesOf(data, size));
    try {
        TArchTable summary(fuzzRoot(), QDate(2014, 3, 5));
        while (TTable *table = summary.nextTable()) {
            table->computeAmount();
            delete table;
        }
    } catch (const TError &) { }
    return 0;
}

int fuzzDayAggregate(const uint8_t *data, size_t size)
{
    // as a cache file, checked whole; and as the part after the checks,
    // which must stop at anything it cannot read
    const QByteArray bytes = bytesOf(data, size);
    for (bool records : {true, false}) {
        TRepWaiters waiters(nullptr, fuzzRoot());
        waiters.setKeepRecords(records);
        TDayAggregate::merge(bytes, waiters);
        TRepCenters centers(nullptr, fuzzRoot());
        centers.setKeepRecords(records);
        TDayAggregate::mergePayload(bytes, centers);
        // the payload after a header, whatever the checksum says
        if (bytes.size() >= 24) {
            quint32 stamp = 0;
            std::memcpy(&stamp, bytes.constData() + 8, sizeof stamp);
            if (stamp < quint32(bytes.size()))
                TDayAggregate::mergePayload(bytes.mid(24 + qsizetype(stamp)), waiters);
        }
    }
    return 0;
}

int fuzzArchiveIndex(const uint8_t *data, size_t size)
{
    writeFuzzFile(QStringLiteral("var/.archives"), bytesOf(data, size));
    try {
        TArchInfos index(fuzzRoot());
        for (const TArchInfo *info : index.records())
            info->toLine();
    } catch (const TError &) { }
    return 0;
}

int fuzzJobParser(const uint8_t *data, size_t size)
{
    writeFuzzFile(QStringLiteral("etc/layout/fuzz.lay"), bytesOf(data, size));
    TJobParser parser(nullptr, fuzzRoot());
    parser.setNow(QDateTime(QDate(2014, 3, 5), QTime(12, 30)));
    parser.setTable(const_cast<TTable *>(&sampleTable()));
    QString text;
    QTextStream out(&text);
    try {
        parser.run(out, QStringLiteral("fuzz.lay"));
    } catch (const TError &) { }
    return 0;
}

int fuzzSumFilter(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(bytesOf(data, size));
    TSumFilter filter;
    filter.setTables(text.section(QLatin1Char('\n'), 0, 0));
    filter.setEntries(text.section(QLatin1Char('\n'), 1));
    const TTable &table = sampleTable();
    filter.testTable(&table);
    table.entries().forEach([&](const TTableEntry *entry) { filter.testEntry(&table, entry); });
    return 0;
}

int fuzzListXml(const uint8_t *data, size_t size)
{
    QDomDocument doc;
    QString message;
    int line = 0;
    int column = 0;
    if (!parseListXml(bytesOf(data, size), doc, &message, &line, &column))
        return 0;
    TValueList list;
    list.importXml(doc.documentElement());
    return 0;
}
