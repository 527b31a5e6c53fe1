#include "tpaidtablesjournal.h"

#include "tcurrencies.h"
#include "tjournaltables.h"
#include "tpricetext.h"
#include "tsumfilters.h"
#include "ttable.h"
#include "ttablelist.h"
#include "tworkspacelists.h"

#include <QCoreApplication>

#include <cmath>
#include <memory>

using namespace Basics;

namespace PosLib {

namespace {

// The texts of this file, translated in the context "TPaidTablesDoc".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TPaidTablesDoc)
};

const QString TimeFormat = QStringLiteral("hh:mm:ss");
const int RuleWidth = 40;

// The entry that tells when and by whom the table was closed: its last
// archiving entry, else the creation record.
const TTableEntry &closingRecord(const TTable &table)
{
    const TTableEntry *archived = nullptr;
    table.entries().forEach([&](const TTableEntry *entry) {
        if (entry->type() == EntryArchive)
            archived = entry;
    });
    return archived ? *archived : table.create();
}

// "2026-12-05T21:14:03-       123": orders tables by closing time, then
// archive number.
QString sortKey(const TTable &table)
{
    const TTableEntry &closing = closingRecord(table);
    return QStringLiteral("%1-%2")
            .arg(QDateTime(closing.date(), closing.time()).toString(Qt::ISODate))
            .arg(table.archive(), 10);
}

QString dayText(const QDate &day)
{
    return QStringLiteral("%1.%2.%3").arg(day.day()).arg(day.month()).arg(day.year());
}

} // namespace

TPaidTablesJournal::TPaidTablesJournal(TWorkspaceLists *lists, const QString &root)
    : m_lists(lists)
    , m_root(root)
{
    if (m_lists)
        m_currencies = qobject_cast<TCurrencies *>(m_lists->get(QStringLiteral("currencies")));
}

TPaidTablesJournal::~TPaidTablesJournal() = default;

QString TPaidTablesJournal::price(long cents) const
{
    return priceText(m_currencies, cents);
}

QString TPaidTablesJournal::currencyField() const
{
    return QStringLiteral("%1").arg(currencyShortName(m_currencies), -3);
}

QString TPaidTablesJournal::tableLine(const TTable &table, bool showBill, bool showArch) const
{
    const TTableEntry &closing = closingRecord(table);
    QString line = QStringLiteral("%1 ").arg(closing.time().toString(TimeFormat), 8);
    line += QStringLiteral("%1 ").arg(closing.date().toString(QStringLiteral("dd.MM.yy")), 8);
    line += QStringLiteral("%1 %2 ")
                    .arg(closing.waiter(), 3)
                    .arg(closing.waiterName().left(12), 12);
    line += QStringLiteral("%1/%2 ").arg(table.table(), 5).arg(table.party(), -4);
    if (showBill)
        line += Text::tr("Bill %1 ").arg(table.billNum(), 4);
    if (showArch)
        line += Text::tr("Arch %1").arg(table.archive(), 5);
    const long amount = long(std::floor(table.maxAmount() + 0.5));
    line += QStringLiteral("\r\n%1 %2").arg(price(amount), 10).arg(currencyField());
    return line;
}

QString TPaidTablesJournal::entryLine(const TTableEntry &entry, QString *extra) const
{
    auto text = [&](const char *field, int length) {
        return entry.getString(QLatin1String(field)).left(length);
    };
    auto number = [&](const char *field) { return entry.getLong(QLatin1String(field)); };
    switch (entry.type()) {
    case EntryChange:
        return Text::tr("Change from %1/%2 to %3/%4 (%5)")
                .arg(number("fromtable"), 5)
                .arg(number("fromparty"))
                .arg(number("totable"), 5)
                .arg(number("toparty"))
                .arg(entry.waiter(), 3);
    case EntryOrder:
        return QStringLiteral("%1 %2 (%3) %4 %5")
                .arg(entry.count(), -7, 'f', 3)
                .arg(entry.articleText().left(15), -15)
                .arg(entry.plu(), 4)
                .arg(price(long(entry.price())), 8)
                .arg(currencyField());
    case EntryVoid:
        return Text::tr("Void: %1 %2 (%3) %4 %5")
                .arg(entry.count(), 0, 'g', 3)
                .arg(entry.articleText().left(15), -15)
                .arg(entry.plu(), 4)
                .arg(price(long(entry.price())))
                .arg(currencyField());
    case EntryPay:
        if (entry.isVoided())
            return QString();
        if (extra && !entry.getString(QStringLiteral("room")).isEmpty())
            *extra = Text::tr("Room: %1/%2 %3")
                             .arg(text("room", -1), 4)
                             .arg(text("hotparty", -1), -2)
                             .arg(text("hotelguest", -1));
        return QStringLiteral("%1 %2 %3 %4")
                .arg(entry.waiterName().left(15), -15)
                .arg(text("payformname", 9), -9)
                .arg(price(long(entry.amount())), 10)
                .arg(currencyField());
    case EntrySplit:
        return Text::tr("Split: %1 x %2 to %3/%4 (%5 %6)")
                .arg(entry.count(), 0, 'g', 3)
                .arg(entry.plu())
                .arg(number("totable"))
                .arg(number("toparty"))
                .arg(price(long(entry.amount())))
                .arg(currencyField());
    case EntryRestore:
        return Text::tr("Restored: %1 (%2)")
                .arg(entry.waiter())
                .arg(entry.waiterName().left(15), -15);
    case EntryArchive:
        return Text::tr("Archived: %1 (%2)")
                .arg(entry.waiter())
                .arg(entry.waiterName().left(15), -15);
    case EntryCash: {
        // money put into or taken out of the till, with the reason given
        const long amount = long(entry.amount());
        const QString reason = text("reason", 20);
        const QString line = (amount < 0 ? Text::tr("Cash out: %1 %2") : Text::tr("Cash in: %1 %2"))
                                     .arg(price(amount), 10)
                                     .arg(currencyField());
        return reason.isEmpty() ? line : QStringLiteral("%1 (%2)").arg(line, reason);
    }
    case EntryBalance:
        return Text::tr("Balance: %1 %2").arg(price(long(entry.amount())), 10).arg(currencyField());
    case 9:
        return QString();
    default:
        return Text::tr("Unknown action: %1").arg(entry.type());
    }
}

QString TPaidTablesJournal::reportLine(const QDateTime &now)
{
    return Text::tr("Report from %1 at %2")
            .arg(dayText(now.date()), now.time().toString(TimeFormat));
}

QString TPaidTablesJournal::heading(const TJournalRequest &request) const
{
    QString text = Text::tr("List of paid tables");
    const QString currency = currencyShortName(m_currencies);
    if (!currency.isEmpty())
        text += QStringLiteral(" (%1)").arg(currency);
    if (request.from.isValid()) {
        text += QLatin1Char(' ') + Text::tr("Range")
                + QStringLiteral(" (%1)").arg(dayText(request.from));
        if (request.to.isValid())
            text += QStringLiteral(" - (%1)").arg(dayText(request.to));
    }
    return text;
}

namespace { } // namespace

TListRows TPaidTablesJournal::run(const TJournalRequest &request)
{
    m_stopped = false;
    const TPaidTableDays days(m_root, request.from, request.to);
    if (days.count() == 0)
        return {TListRow(Text::tr("No table list available"))};
    TJournalTables tables(false);
    if (!walk(request, days, tables))
        return {};
    TListRows rows;
    tables.forEach([&rows](const TListRows &table) { rows += table; });
    rows += closingRows(request);
    return rows;
}

bool TPaidTablesJournal::run(const TJournalRequest &request, const Take &take)
{
    m_stopped = false;
    const TPaidTableDays days(m_root, request.from, request.to);
    if (days.count() == 0) {
        take({TListRow(Text::tr("No table list available"))});
        return true;
    }
    TJournalTables tables(true);
    if (!walk(request, days, tables))
        return false;
    tables.forEach(take);
    take(closingRows(request));
    return true;
}

bool TPaidTablesJournal::walk(const TJournalRequest &request, const TPaidTableDays &days,
                              TJournalTables &tables)
{
    const TSumFilter *filter = nullptr;
    if (request.filter != 0 && m_lists) {
        if (auto *filters = qobject_cast<TSumFilters *>(m_lists->get(QStringLiteral("sumfilters"))))
            filter = filters->filter(request.filter);
    }

    // one walk over the tables, a day at a time: each table's items under
    // its sort key
    return days.forEachTable(
            [&](TTable &table, int position) {
                if (m_progress)
                    m_progress(position, days.count());
                if (m_stopped)
                    return false;
                addTable(request, table, filter, tables);
                return true;
            },
            [&tables] { tables.endDay(); });
}

void TPaidTablesJournal::addTable(const TJournalRequest &request, TTable &table,
                                  const TSumFilter *filter, TJournalTables &tables) const
{
    // ASCII: ordered as its text
    const QByteArray key = sortKey(table).toLatin1();
    if (filter && !filter->testTable(&table)) {
        tables.skip(key);
        return;
    }

    TListRow item(tableLine(table, request.showBill, request.showArch));
    table.entries().forEach([&](const TTableEntry *entry) {
        if (filter && !filter->testEntry(&table, entry))
            return;
        QString room;
        const QString line = entryLine(*entry, &room);
        if (line.isNull())
            return;
        if (entry->type() == EntryPay && !item.children.isEmpty())
            item.addChild(QString(RuleWidth, QLatin1Char('-')));
        item.addChild(line);
        if (!room.isEmpty())
            item.addChild(room);
    });
    TListRows rows {item};
    if (!item.children.isEmpty())
        rows.append(TListRow(QString(RuleWidth, QLatin1Char('='))));
    tables.add(key, rows);
}

TListRows TPaidTablesJournal::closingRows(const TJournalRequest &request) const
{
    const QDateTime now = request.now.isValid() ? request.now : QDateTime::currentDateTime();
    return {TListRow(reportLine(now)), TListRow(heading(request))};
}

} // namespace PosLib
