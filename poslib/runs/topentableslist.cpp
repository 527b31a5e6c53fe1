#include "topentableslist.h"

#include "tcurrencies.h"
#include "tpricetext.h"
#include "tround.h"
#include "ttable.h"
#include "ttablelist.h"

#include <QCoreApplication>

#include <algorithm>
#include <memory>

namespace PosLib {

namespace {

// The texts of this file, translated in the context "TOpenTablesDoc".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TOpenTablesDoc)
};

// The group row of a detail kind with its column-title row.
TListRow group(const QString &caption, const QStringList &titles)
{
    TListRow row(caption);
    row.addChild(titles);
    return row;
}

QString timeText(const TTableEntry &entry)
{
    return entry.time().toString(QStringLiteral("hh:mm:ss"));
}

} // namespace

TOpenTableRow openTableRow(const TTable &table, const TCurrencies *currencies,
                           Qt::DateFormat dateFormat)
{
    return openTableRow(table, currencies,
                        [dateFormat](const QDate &date) { return date.toString(dateFormat); });
}

TOpenTableRow openTableRow(const TTable &table, const TCurrencies *currencies,
                           const TDateText &dateFormat)
{
    TOpenTableRow row;
    const TTableCreate &create = table.create();
    row.table = table.table();
    row.party = table.party();
    row.state = table.state();
    const QString number = QString::number(row.table).rightJustified(8);
    const QString party = QString::number(row.party).rightJustified(3);

    if (row.state == TTable::Locked) {
        row.columns = {number, party, QString(), QString(), Text::tr("Table is locked"), QString()};
        return row;
    }
    row.counted = true;
    row.amount = long(roundHalfUp(table.amount()));
    row.columns
            = {number,
               party,
               currencies ? currencies->formatRight(row.amount, 10) : QString::number(row.amount),
               QString::number(create.waiter()).rightJustified(4),
               create.waiterName(),
               create.tableName()};

    auto dateText = [&dateFormat](const TTableEntry &entry) { return dateFormat(entry.date()); };

    // 1. when and under which bill the table was opened
    row.details.append(
            group(Text::tr("Creation"), {Text::tr("Bill"), Text::tr("Time"), Text::tr("Date")}));
    row.details.last().addChild(
            QStringList {QString::number(table.billNum()), timeText(create), dateText(create)});

    // 2. payments and 3. orders, each group only when an entry of its kind
    //    is there
    TListRow pays = group(Text::tr("Pay"), {Text::tr("Amount"), Text::tr("Payform"),
                                            Text::tr("Time"), Text::tr("Date")});
    // the article number has no title of its own: the titles stand over
    // the columns they name
    TListRow orders
            = group(Text::tr("Order"), {Text::tr("Price"), Text::tr("Article"), QString(),
                                        Text::tr("Count"), Text::tr("Time"), Text::tr("Date")});
    const TTableEntries &entries = table.entries();
    for (int id : entries.ids()) {
        const auto *entry = static_cast<const TTableEntry *>(entries.find(id));
        if (entry->type() == EntryPay) {
            pays.addChild(QStringList {priceText(currencies, long(entry->amount())),
                                       entry->getString(QStringLiteral("payformname")),
                                       timeText(*entry), dateText(*entry)});
            const QString room = entry->getString(QStringLiteral("room"));
            if (!room.isEmpty()) {
                pays.addChild({Text::tr("Guest"), Text::tr("Party"), Text::tr("Room")});
                pays.addChild(QStringList {entry->getString(QStringLiteral("hotelguest")),
                                           entry->getString(QStringLiteral("hotparty")), room});
            }
        } else if (entry->type() == EntryOrder) {
            orders.addChild(QStringList {priceText(currencies, long(entry->price())),
                                         entry->articleText(), QString::number(entry->plu()),
                                         QString::number(entry->count(), 'f', 3), timeText(*entry),
                                         dateText(*entry)});
        }
    }
    for (const TListRow *kind : {&pays, &orders})
        if (kind->children.size() > 1)
            row.details.append(*kind);
    return row;
}

TOpenTablesList::TOpenTablesList(const QString &root, const TCurrencies *currencies,
                                 Qt::DateFormat dateFormat, QObject *parent)
    : QObject(parent)
    , m_root(root)
    , m_currencies(currencies)
    , m_dateText([dateFormat](const QDate &date) { return date.toString(dateFormat); })
{ }

TOpenTablesList::TOpenTablesList(const QString &root, const TCurrencies *currencies,
                                 TDateText dateText, QObject *parent)
    : QObject(parent)
    , m_root(root)
    , m_currencies(currencies)
    , m_dateText(std::move(dateText))
{ }

TOpenTablesList::~TOpenTablesList() = default;

QStringList TOpenTablesList::columnTitles()
{
    return {Text::tr("Table"),  Text::tr("Party"),       Text::tr("Amount"),
            Text::tr("Waiter"), Text::tr("Waiter name"), Text::tr("Table name")};
}

void TOpenTablesList::load()
{
    m_rows.clear();
    m_count = 0;
    m_sum = 0;

    const std::unique_ptr<TTableList> tables(activeTables(m_root));
    emit sigDataCount(tables->count());
    // Held tables are left out by the iterator; every table is released
    // once its row is made.
    TTableIterator it(tables.get(), true, 0, nullptr, m_root);
    it.setReleasePassed(true);
    for (TTable *table = it.first(); table; table = it.next()) {
        TOpenTableRow row = openTableRow(*table, m_currencies, m_dateText);
        if (row.counted) {
            ++m_count;
            m_sum += row.amount;
        }
        m_rows.append(row);
        emit sigProgress(it.position());
    }
    emit sigProgress(tables->count());
    // the directory lists "t12" before "t4"; people look for numbers
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [](const TOpenTableRow &a, const TOpenTableRow &b) {
                         return a.table != b.table ? a.table < b.table : a.party < b.party;
                     });
    m_loaded = true;
}

QString TOpenTablesList::status() const
{
    return Text::tr("%n tables (%1 %2)", nullptr, m_count)
            .arg(priceText(m_currencies, m_sum), currencyShortName(m_currencies));
}

QList<TListRow> TOpenTablesList::listRows() const
{
    QList<TListRow> list;
    for (const TOpenTableRow &row : m_rows) {
        list.append(TListRow(row.columns));
        list.last().children = row.details;
    }
    return list;
}

} // namespace PosLib
