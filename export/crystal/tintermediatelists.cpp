#include "tintermediatelists.h"

#include "terror.h"
#include "tintermediatefile.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "tround.h"
#include "tsettings.h"
#include "tsumfilter.h"
#include "ttable.h"
#include "ttablelist.h"

#include <QDir>

#include <memory>
#include <vector>

using namespace Basics;
using namespace PosLib;

namespace Crystal {

namespace {

const QString RefTable = QStringLiteral("ref_table");
const QString MaxAmount = QStringLiteral("maxamount");

QString isoDate(const QDate &day)
{
    return day.toString(Qt::ISODate);
}

// Paths compare as folders: "/srv/pos" and "/srv/pos/" are one.
QString folder(const QString &path)
{
    QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    if (!clean.endsWith(QLatin1Char('/')))
        clean += QLatin1Char('/');
    return clean;
}

// The list an entry goes to; empty for the kinds no list takes and for
// voided payments.
QString listOf(const TTableEntry &entry)
{
    switch (entry.type()) {
    case EntryOrder:
        return QStringLiteral("orders");
    case EntryVoid:
        return QStringLiteral("voids");
    case EntryPay:
        return entry.isVoided() ? QString() : QStringLiteral("pays");
    case EntrySplit:
        return QStringLiteral("splits");
    default:
        return QString();
    }
}

// Whole cents of an entry: an order line is price times count (199 x 1.5
// = 298.5 -> 299), the other entries carry their "amount".
qint64 entryAmount(const TTableEntry &entry)
{
    if (entry.type() == EntryOrder)
        return lineAmount(entry.price(), entry.count());
    return roundHalfUp(entry.getDouble(QStringLiteral("amount")));
}

} // namespace

TIntermediateLists::TIntermediateLists(const TExportRequest &request)
    : m_request(request)
{
    for (const QString &name : names())
        m_lists.insert(name, std::make_shared<TValueList>());
}

TIntermediateLists::~TIntermediateLists() = default;

QStringList TIntermediateLists::names()
{
    return {QStringLiteral("tables"), QStringLiteral("creates"), QStringLiteral("orders"),
            QStringLiteral("voids"),  QStringLiteral("pays"),    QStringLiteral("infos"),
            QStringLiteral("splits")};
}

TValueList *TIntermediateLists::list(const QString &name) const
{
    return m_lists.value(name).get();
}

TValue *TIntermediateLists::infos(const QString &path) const
{
    auto *info = new TValue;
    const TExportRequest &r = m_request;
    info->setString(QStringLiteral("filter"), QString::number(r.filterId));
    info->setString(QStringLiteral("filtername"), r.filterName);
    const QDate from = r.from.isValid() ? r.from : r.today;
    const QDate to = r.from.isValid() && r.to.isValid() ? r.to : from;
    info->setString(QStringLiteral("fromdate"), isoDate(from));
    info->setString(QStringLiteral("todate"), isoDate(to));
    info->setString(QStringLiteral("lng"), r.language);
    info->setString(QStringLiteral("user"), r.user);
    info->setString(QStringLiteral("terminal"), r.terminal);
    info->setString(QStringLiteral("logo"), r.logo);
    for (int n = 1; n <= 3; ++n) {
        const QString header = r.headers.value(n - 1);
        if (!header.isEmpty())
            info->setString(QStringLiteral("header%1").arg(n), header);
        const QString footer = r.footers.value(n - 1);
        if (!footer.isEmpty())
            info->setString(QStringLiteral("footer%1").arg(n), footer);
    }

    TSettings settings;
    try {
        settings.load(path.toLocal8Bit().constData());
    } catch (const TError &e) {
        logError(QStringLiteral("Installation record of %1: %2").arg(path, e.text()),
                 LogModule::Library, LogClass::IntermediateLists);
    }
    const QList<QPair<const char *, QString>> address = {
            {"installationname", settings.installationName()},
            {"street", settings.street()},
            {"city", settings.city()},
            {"taxnumber", settings.taxNumber()},
            {"addaddress", settings.addAddress()},
            {"phonenumber", settings.phoneNumber()},
            {"faxnumber", settings.faxNumber()},
            {"email", settings.email()},
            {"webaddress", settings.webAddress()},
            {"infotext", settings.infoText()},
    };
    for (const auto &field : address)
        info->setString(QLatin1String(field.first), field.second);
    return info;
}

void TIntermediateLists::outletOf(const QString &path, int &id, QString &name) const
{
    id = 0;
    name.clear();
    if (!m_request.dataOutlets)
        return;
    const QString wanted = folder(path);
    for (const TValue *outlet : m_request.dataOutlets->valueMap()) {
        if (folder(outlet->getString(QStringLiteral("path"))) == wanted) {
            id = outlet->id();
            name = outlet->name();
            return;
        }
    }
}

std::unique_ptr<TValue> TIntermediateLists::record(const QString &list, const TValue &source,
                                                   int ref)
{
    auto copy = std::make_unique<TValue>(source);
    copy->setString(RefTable, QString::number(ref));
    copy->setId(++m_lastId[list]);
    return copy;
}

void TIntermediateLists::keep(const QString &list, std::unique_ptr<TValue> record)
{
    if (m_sink)
        m_sink(list, *record);
    else
        m_lists.value(list)->insert(record.release());
}

void TIntermediateLists::build(const QString &path, const Progress &progress)
{
    for (const auto &list : std::as_const(m_lists))
        list->clear();
    std::unique_ptr<TValue> info(infos(path));
    info->setId(++m_lastId[QStringLiteral("infos")]);
    keep(QStringLiteral("infos"), std::move(info));

    int outletId = 0;
    QString outletName;
    outletOf(path, outletId, outletName);

    // a day's tables at a time
    const TPaidTableDays days(path, m_request.from, m_request.to);
    days.forEachTable([&](TTable &table, int position) {
        if (progress)
            progress(position, days.count());
        if (m_request.filter && !m_request.filter->testTable(&table))
            return true;
        const QDate day = table.day().isValid() ? table.day() : m_request.today;
        addTable(table, day, path, outletId, outletName);
        return true;
    });
}

void TIntermediateLists::addTable(TTable &table, const QDate &day, const QString &path,
                                  int outletId, const QString &outletName)
{
    const int ref = ++m_lastRef;
    if (!table.has(MaxAmount))
        table.computeAmount();

    std::unique_ptr<TValue> header = record(QStringLiteral("tables"), table, ref);
    header->setString(QStringLiteral("rep_date"), isoDate(day));
    header->setString(QStringLiteral("rep_outlet"), QString::number(m_request.outlet));
    header->setString(QStringLiteral("rep_info"), path);
    header->setString(QStringLiteral("c_outletid"), QString::number(outletId));
    header->setString(QStringLiteral("c_outletname"), outletName);
    header->setString(MaxAmount, QString::number(roundHalfUp(table.maxAmount())));
    keep(QStringLiteral("tables"), std::move(header));

    std::unique_ptr<TValue> create = record(QStringLiteral("creates"), table.create(), ref);
    for (const char *key : {"waiter", "waitername", "time", "date", "center", "centername"})
        if (!create->has(QLatin1String(key)))
            create->setString(QLatin1String(key), QString());
    keep(QStringLiteral("creates"), std::move(create));

    const TSumFilter *filter = m_request.filter;
    table.entries().forEach([&](const TTableEntry *entry) {
        const QString name = listOf(*entry);
        if (name.isEmpty() || (filter && !filter->testEntry(&table, entry)))
            return;
        std::unique_ptr<TValue> line = record(name, *entry, ref);
        // the entry's own number within its table
        line->setString(QStringLiteral("entry"), QString::number(entry->id()));
        if (line->has(QStringLiteral("count")))
            line->setString(QStringLiteral("count"),
                            line->getString(QStringLiteral("count"))
                                    .replace(QLatin1Char(','), QLatin1Char('.')));
        line->setString(MaxAmount, QString::number(entryAmount(*entry)));
        keep(name, std::move(line));
    });
}

QHash<QString, int> exportIntermediateLists(const TExportRequest &request, const QStringList &paths,
                                            const QString &directory,
                                            const QHash<QString, QString> &layouts,
                                            const TIntermediateLists::Progress &progress)
{
    removeIntermediateFiles(directory);
    QHash<QString, int> counts;
    TIntermediateLists lists(request);
    const QStringList names = TIntermediateLists::names();
    for (int i = 0; i < paths.size(); ++i) {
        // each record goes into its file as it is made: a month of a
        // restaurant's lists takes hundreds of MB as records
        std::vector<std::unique_ptr<TIntermediateWriter>> writers;
        for (const QString &name : names)
            writers.push_back(std::make_unique<TIntermediateWriter>(
                    layouts.value(name), intermediateFileName(directory, name), i > 0));
        lists.setSink([&](const QString &list, const TValue &record) {
            writers.at(size_t(names.indexOf(list)))->add(record);
        });
        lists.build(paths.at(i), progress);
        for (qsizetype n = 0; n < names.size(); ++n) {
            writers.at(size_t(n))->commit();
            counts[names.at(n)] += writers.at(size_t(n))->count();
        }
    }
    return counts;
}

} // namespace Crystal
