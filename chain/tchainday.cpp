#include "tchainday.h"

#include "tarchtable.h"
#include "tclosingbills.h"
#include "tcounter.h"
#include "tdayaggregate.h"
#include "tinstallation.h"
#include "trepdata.h"
#include "treport.h"
#include "tround.h"
#include "tsettings.h"
#include "ttable.h"
#include "ttableentry.h"

#include "terror.h"
#include "trecordcodec.h"
#include "tvalue.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <memory>

namespace ChainLib {

namespace {

// The texts of this file, translated in the context "TChainDay".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TChainDay)
};

bool setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

QJsonObject fieldsOf(const Basics::TValue &value)
{
    QJsonObject object;
    for (auto it = value.fields().begin(); it != value.fields().end(); ++it)
        object.insert(it.key(), it.value().text);
    return object;
}

QJsonValue timestamp(const QDate &date, const QTime &time)
{
    if (!date.isValid())
        return QJsonValue::Null;
    return QDateTime(date, time.isValid() ? time : QTime(0, 0)).toString(Qt::ISODate);
}

// The entries of one bill as rows, the creation record first, children
// right after the entry they belong to.
class EntryRows
{
public:
    EntryRows(QJsonArray &rows, int archive)
        : m_rows(rows)
        , m_archive(archive)
    { }

    void add(const PosLib::TTableEntry &entry, int type, const QJsonValue &parent)
    {
        const int position = m_position++;
        const double count = type == 3 || type == 4 ? entry.count() : 0;
        const qint64 price = type == 3 || type == 4 ? entry.price() : 0;
        const qint64 amount
                = type == 3 || type == 4 ? PosLib::lineAmount(price, count) : entry.amount();
        QJsonObject row;
        row.insert(QStringLiteral("archive"), m_archive);
        row.insert(QStringLiteral("position"), position);
        row.insert(QStringLiteral("parent"), parent);
        row.insert(QStringLiteral("type"), type);
        row.insert(QStringLiteral("entry_id"), entry.id());
        row.insert(QStringLiteral("at"), timestamp(entry.date(), entry.time()));
        row.insert(QStringLiteral("waiter"), entry.waiter());
        row.insert(QStringLiteral("plu"), entry.plu());
        row.insert(QStringLiteral("count"), count);
        row.insert(QStringLiteral("price"), price);
        row.insert(QStringLiteral("amount"), amount);
        row.insert(QStringLiteral("payform"), entry.payform());
        row.insert(QStringLiteral("voided"), entry.isVoided());
        row.insert(QStringLiteral("fields"), fieldsOf(entry));
        m_rows.append(row);
        if (const PosLib::TTableEntries *children = entry.children()) {
            children->forEach(
                    [&](PosLib::TTableEntry *child) { add(*child, child->type(), position); });
        }
    }

private:
    QJsonArray &m_rows;
    int m_archive;
    int m_position = 0;
};

bool readBill(const QString &root, const QDate &day, long number, const QString &path,
              TChainDayData &data, QString *error)
{
    const PosLib::TStoredBill stored = PosLib::readStoredBill(path);
    if (!stored.ok)
        return setError(error, Text::tr("cannot read the bill %1").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return setError(error, Text::tr("cannot read the bill %1").arg(path));
    const QByteArray bytes = file.readAll();
    Basics::TValue head;
    Basics::TRecordReader headReader(bytes);
    headReader.read(head);
    PosLib::TTable table(day, 0, nullptr, root);
    Basics::TRecordReader reader(bytes);
    try {
        if (table.loadData(reader, true, 0, nullptr, 0) != PosLib::TTable::Loaded)
            return setError(error, Text::tr("cannot read the bill %1").arg(path));
    } catch (const Basics::TError &e) {
        return setError(error, Text::tr("cannot read the bill %1: %2").arg(path, e.text()));
    }

    const PosLib::TTableCreate &create = table.create();
    QJsonObject bill;
    bill.insert(QStringLiteral("archive"), qint64(number));
    bill.insert(QStringLiteral("bill_archive"), qint64(stored.bill.archive));
    bill.insert(QStringLiteral("table_no"), qint64(stored.bill.table));
    bill.insert(QStringLiteral("party"), stored.bill.party);
    bill.insert(QStringLiteral("bill_no"), qint64(stored.bill.bill));
    bill.insert(QStringLiteral("z"), qint64(stored.zCount));
    bill.insert(QStringLiteral("waiter"), create.waiter());
    bill.insert(QStringLiteral("opened"), timestamp(create.date(), create.time()));
    bill.insert(QStringLiteral("amount"), stored.bill.amount);
    bill.insert(QStringLiteral("sha256"), QString::fromLatin1(stored.bill.sha256));
    bill.insert(QStringLiteral("header"), fieldsOf(head));
    data.bills.append(bill);
    data.amount += stored.bill.amount;

    EntryRows rows(data.entries, int(number));
    rows.add(create, 1, QJsonValue::Null);
    table.entries().forEach(
            [&](PosLib::TTableEntry *entry) { rows.add(*entry, entry->type(), QJsonValue::Null); });
    return true;
}

bool readClosings(const QString &dayDir, TChainDayData &data, QString *error)
{
    const QStringList names
            = QDir(dayDir).entryList({QStringLiteral("closing-*.json")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        QFile file(dayDir + name);
        if (!file.open(QIODevice::ReadOnly))
            return setError(error,
                            Text::tr("cannot read the closing record %1").arg(file.fileName()));
        const QByteArray bytes = file.readAll();
        QJsonParseError parsed;
        const QJsonObject record = QJsonDocument::fromJson(bytes, &parsed).object();
        if (parsed.error != QJsonParseError::NoError || record.isEmpty())
            return setError(error,
                            Text::tr("the closing record %1 is no JSON").arg(file.fileName()));
        QJsonObject row;
        row.insert(QStringLiteral("z"), record.value(QStringLiteral("z")).toInteger());
        row.insert(QStringLiteral("day_z"), record.value(QStringLiteral("dayZ")).toInteger());
        row.insert(QStringLiteral("kind"), record.value(QStringLiteral("kind")).toString());
        const QJsonObject bills = record.value(QStringLiteral("bills")).toObject();
        row.insert(QStringLiteral("bills"), bills.value(QStringLiteral("count")).toInteger());
        row.insert(QStringLiteral("amount"), record.value(QStringLiteral("totals"))
                                                     .toObject()
                                                     .value(QStringLiteral("amount"))
                                                     .toInteger());
        row.insert(QStringLiteral("sha256"), QString::fromLatin1(PosLib::sha256Hex(bytes)));
        row.insert(QStringLiteral("record"), record);
        data.closings.append(row);
    }
    return true;
}

// The installation record as the reports read it, without the passwords
// of the upload targets: those stay in the installation.
QByteArray withoutSecrets(const QString &dataDir)
{
    PosLib::TSettings settings;
    QTemporaryDir temporary;
    try {
        settings.load(dataDir + QLatin1Char('/'), settings.fileName());
        for (Basics::TValue *record : settings.valueMap()) {
            for (const char *secret : {"dbpassword", "cloudftppassword", "cloudkorvalpassword"})
                record->remove(QLatin1String(secret));
        }
        settings.save(temporary.path() + QLatin1Char('/'), settings.fileName());
    } catch (const Basics::TError &) {
        return QByteArray();
    }
    QFile file(temporary.filePath(settings.fileName()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The day's groups of both sides, with and without each kind of record rows.
bool addGroups(const QString &root, const QDate &day, TChainDayData &data, QString *error)
{
    for (const bool centers : {false, true}) {
        for (const int rows : {3, 2, 1, 0}) {
            const bool records = rows & 1;
            const bool cashRecords = rows & 2;
            std::unique_ptr<PosLib::TRepDatas> groups;
            PosLib::TRepWaiters *waiters = nullptr;
            PosLib::TRepCenters *costCenters = nullptr;
            if (centers) {
                costCenters = new PosLib::TRepCenters(nullptr, root);
                groups.reset(costCenters);
            } else {
                waiters = new PosLib::TRepWaiters(nullptr, root);
                groups.reset(waiters);
            }
            groups->setKeepRecords(records);
            groups->setKeepCashRecords(cashRecords);
            PosLib::TReport report(QDate(), nullptr, root);
            if (!report.runRange(waiters, costCenters, day, day))
                return setError(
                        error, Text::tr("cannot add up the day %1").arg(day.toString(Qt::ISODate)));
            data.aggregates << TChainAggregate {
                    groupsKind(groups->nodeName(), records, cashRecords),
                    PosLib::TDayAggregate::Version, PosLib::TDayAggregate::toBytes(*groups)};
        }
    }
    return true;
}

} // namespace

QString groupsKind(const QString &side, bool records, bool cashRecords)
{
    return QStringLiteral("groups/") + side + (records ? QStringLiteral("/records") : QString())
           + (cashRecords ? QStringLiteral("/cash") : QString());
}

QStringList groupsKinds()
{
    QStringList kinds;
    for (const char *side : {"waiters", "costcenters"}) {
        for (const int rows : {3, 2, 1, 0})
            kinds << groupsKind(QLatin1String(side), rows & 1, rows & 2);
    }
    return kinds;
}

QList<TChainFile> reportFiles(const QString &root)
{
    QList<TChainFile> files;
    const QDir base(root);
    QStringList paths;
    const QString dataDir = base.filePath(QStringLiteral("usr/data"));
    for (const QString &name : QDir(dataDir).entryList({QStringLiteral("*.dat")}, QDir::Files))
        paths << QStringLiteral("usr/data/") + name;
    for (const char *name : {"etc/reports.ini", "etc/globals.ini", "etc/layout.ini"}) {
        if (QFileInfo(base.filePath(QLatin1String(name))).isFile())
            paths << QLatin1String(name);
    }
    QDirIterator layouts(base.filePath(QStringLiteral("etc/layout")), QDir::Files,
                         QDirIterator::Subdirectories);
    while (layouts.hasNext())
        paths << base.relativeFilePath(layouts.next());
    paths.sort();
    for (const QString &path : paths) {
        QFile file(base.filePath(path));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        if (path == QLatin1String("usr/data/settings.dat"))
            files << TChainFile {path, withoutSecrets(dataDir)};
        else
            files << TChainFile {path, file.readAll()};
    }
    return files;
}

bool readChainDay(const QString &root, const QDate &day, TChainDayData &data, QString *error)
{
    data = TChainDayData();
    data.day = day;
    const QString dayDir = PosLib::statistDayDir(day, root);
    if (!QFileInfo::exists(dayDir + QStringLiteral("turnover.z")))
        return setError(error, Text::tr("%1 was not closed").arg(day.toString(Qt::ISODate)));

    PosLib::TSettings settings;
    try {
        settings.load(PosLib::installationDir(root, QStringLiteral("usr/data"), false),
                      settings.fileName());
    } catch (const Basics::TError &e) {
        return setError(error, Text::tr("cannot read the installation record: %1").arg(e.text()));
    }
    data.officeId = settings.officeId();
    data.installationName = settings.installationName();

    try {
        PosLib::TCounter counter(dayDir, QStringLiteral("zcount.dat"));
        data.dayZ = counter.get(QStringLiteral("z"));
    } catch (const Basics::TError &) {
        data.dayZ = 0;
    }
    if (!readClosings(dayDir, data, error))
        return false;
    for (const auto &file : PosLib::dayBillFiles(dayDir)) {
        if (!readBill(root, day, file.first, dayDir + file.second, data, error))
            return false;
        ++data.billCount;
    }

    PosLib::TArchTable summary(root, day);
    try {
        if (!summary.isCurrent())
            summary.build();
    } catch (const Basics::TError &e) {
        return setError(error, Text::tr("cannot build the day summary of %1: %2")
                                       .arg(day.toString(Qt::ISODate), e.text()));
    }
    QFile summaryFile(summary.filePath());
    if (summaryFile.exists()) {
        if (!summaryFile.open(QIODevice::ReadOnly))
            return setError(error, Text::tr("cannot read %1").arg(summary.filePath()));
        data.aggregates << TChainAggregate {QLatin1String(DaySummaryKind), DaySummaryFormat,
                                            summaryFile.readAll()};
    }
    if (!addGroups(root, day, data, error))
        return false;
    data.files = reportFiles(root);
    return true;
}

} // namespace ChainLib
