#include "tclosingpreview.h"

#include "tcurrencies.h"
#include "tcurrency.h"
#include "terror.h"
#include "tinstallation.h"
#include "tpricetext.h"
#include "trecordcodec.h"
#include "ttable.h"
#include "ttableentry.h"
#include "tvalue.h"
#include "tworkspacelists.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace PosLib {

namespace {

// The texts of this file, translated in the context "TClosingPreview".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TClosingPreview)
};

QString dayText(const QDate &day)
{
    return day.toString(Qt::ISODate);
}

bool wholeDayRunIn(const QStringList &journal)
{
    for (const QString &line : journal) {
        if (isWholeDayRun(line))
            return true;
    }
    return false;
}

QString tableText(const TOpenTable &table)
{
    // a held table is not read: its waiter is unknown
    if (table.waiter == 0)
        return Text::tr("table %1/%2").arg(table.table).arg(table.party);
    return Text::tr("table %1/%2, waiter %3 %4")
            .arg(table.table)
            .arg(table.party)
            .arg(table.waiter)
            .arg(table.waiterName)
            .trimmed();
}

// "Cash (3)..............: 12,00 EUR", as the Z report lines up its figures
QString figure(const QString &caption, const QString &value)
{
    QString left = caption;
    if (left.size() < 25)
        left += QString(25 - left.size(), QLatin1Char('.'));
    return left + QStringLiteral(": ") + value;
}

// "-12.05": cents without a currency list
QString centsText(qint64 cents)
{
    const qint64 whole = cents < 0 ? -cents : cents;
    return QStringLiteral("%1%2.%3")
            .arg(cents < 0 ? QStringLiteral("-") : QString())
            .arg(whole / 100)
            .arg(whole % 100, 2, 10, QLatin1Char('0'));
}

// Reads a bill as it is stored; false when it does not load.
bool readBill(const QString &path, TTable &table)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return false;
    Basics::TRecordReader reader(bytes);
    try {
        return table.loadData(reader, true, 0, nullptr, 0) == TTable::Loaded
               && table.state() != TTable::Corrupt;
    } catch (const Basics::TError &) {
        return false;
    }
}

QDate businessDayOf(const QDateTime &when, const QTime &start)
{
    return when.time() < start ? when.date().addDays(-1) : when.date();
}

QDate billDay(const TTable &table, const QTime &start)
{
    QDateTime archived;
    QDateTime last;
    table.entries().forEach([&](const TTableEntry *e) {
        if (!e->date().isValid())
            return;
        const QDateTime at(e->date(), e->time());
        if (!archived.isValid() && e->type() == EntryArchive)
            archived = at;
        if (!last.isValid() || at > last)
            last = at;
    });
    const QDateTime when = archived.isValid() ? archived : last;
    return when.isValid() ? businessDayOf(when, start) : QDate();
}

QTime dayStart(const QString &root)
{
    return dayOffset(QDir(root).filePath(QStringLiteral("etc/globals.ini")));
}

} // namespace

QString closingRefusalText(int code, const TTurnoverRequest &request,
                           const TTurnoverForecast &forecast)
{
    switch (code) {
    case TurnoverNothingToMove:
        return Text::tr("Nothing to close for %1: var/archives holds no paid table "
                        "(--cancel-if-empty)")
                .arg(dayText(request.date));
    case TurnoverOpenTables:
        return Text::tr("Waiter %1 still owns an open table; the closing of their tables was "
                        "refused")
                .arg(request.waiter ? request.waiter->id() : 0);
    case TurnoverAlreadyDone:
        if (forecast.lockBusy || !request.waiter)
            return Text::tr("Another closing is running (var/lock/turnover.lck is held); try again "
                            "when it has ended");
        return Text::tr("Waiter %1 closed %2 already")
                .arg(request.waiter->id())
                .arg(dayText(request.date));
    case TurnoverError:
        if (!forecast.problem.isEmpty())
            return forecast.problem;
        return Text::tr("The closing of %1 failed inside; what was moved stays moved (--log FILE "
                        "records the cause)")
                .arg(dayText(request.date));
    default:
        return Text::tr("The closing of %1 failed with code %2")
                .arg(dayText(request.date))
                .arg(code);
    }
}

QString TPreviewItem::markText() const
{
    switch (mark) {
    case Ok:
        return QStringLiteral("ok");
    case Note:
        return QStringLiteral("note");
    case Stop:
        return QStringLiteral("stop");
    case Info:
        break;
    }
    return QStringLiteral("info");
}

TClosingPreview::TClosingPreview(const TTurnoverRequest &request, bool force, bool forWindow)
    : m_request(request)
    , m_force(force)
    , m_window(forWindow)
{
    m_check = checkTurnover(request);
    const TTurnoverForecast &f = m_check.forecast;
    if (m_check.fiscalized) {
        m_verdict = Refused;
        m_reason = Text::tr("This day is already fiscalized!");
    } else if (!force && closedBefore()) {
        m_verdict = Refused;
        m_reason = forWindow ? Text::tr("%1 was closed already; closing it again would use Z "
                                        "counter %2")
                                       .arg(dayText(request.date))
                                       .arg(f.zCounter)
                             : Text::tr("%1 was closed already; closing it again uses Z counter "
                                        "%2 (add --force to do so)")
                                       .arg(dayText(request.date))
                                       .arg(f.zCounter);
    } else if (!force && !m_check.openTables().isEmpty()) {
        m_verdict = StoppedByOpenTables;
        m_reason = forWindow ? Text::tr("There still are open tables: OK asks before closing the "
                                        "day all the same.")
                             : Text::tr("There still are open tables (add --force to close the "
                                        "day all the same)");
    } else if (f.result != TurnoverDone) {
        m_verdict = Refused;
        m_reason = closingRefusalText(f.result, request, f);
    }

    setSystemCurrency(m_drawer, request.root);
    const QString archives = installationDir(request.root, QStringLiteral("var/archives"), false);
    const QTime start = dayStart(request.root);
    for (const QString &bill : f.bills) {
        TTable table(request.date, 0, nullptr, request.root);
        if (!readBill(archives + bill, table)) {
            m_unreadable << bill;
            continue;
        }
        m_figures.add(table);
        m_drawer.add(table);
        const QDate paid = billDay(table, start);
        if (paid.isValid() && paid != request.date)
            ++m_otherDays;
    }
}

bool TClosingPreview::closedBefore() const
{
    return wholeDayRunIn(m_check.forecast.journal);
}

QList<QPair<TFigure, qint64>> TClosingPreview::takings() const
{
    return {{TFigure::Bills, bills()},
            {TFigure::BillTotal, m_figures.billTotal()},
            {TFigure::Payments, m_figures.payments()},
            {TFigure::Tip, m_figures.tip()},
            {TFigure::Credits, m_figures.credits()},
            {TFigure::AllAmount, m_figures.allAmount()}};
}

QList<TPreviewItem> TClosingPreview::items(const TCurrencies *currencies) const
{
    const TTurnoverForecast &f = m_check.forecast;
    QList<TPreviewItem> items;
    auto add = [&](TPreviewItem::Mark mark, const QString &text) {
        items << TPreviewItem {mark, text};
    };
    if (f.lockBusy)
        add(TPreviewItem::Stop, Text::tr("another closing holds var/lock/turnover.lck"));
    else
        add(TPreviewItem::Ok, Text::tr("the lock is free"));
    if (m_request.waiter)
        add(TPreviewItem::Ok, Text::tr("fiscal summary files are not checked for a waiter's "
                                       "closing"));
    else if (m_check.fiscalized)
        add(TPreviewItem::Stop, Text::tr("the day has a fiscal summary file in var/reports"));
    else
        add(TPreviewItem::Ok, Text::tr("no fiscal summary file of the day"));

    const QList<TOpenTable> open = openTables();
    if (open.isEmpty())
        add(TPreviewItem::Ok, Text::tr("no open table on the terminals"));
    else
        add(m_force ? TPreviewItem::Note : TPreviewItem::Stop,
            m_window  ? Text::tr("open tables: %1 (listed below)").arg(open.size())
            : m_force ? Text::tr("open tables: %1; --force closes the day all the same")
                                .arg(open.size())
                      : Text::tr("open tables: %1; they stop the closing (see --force)")
                                .arg(open.size()));
    for (const TOpenTable &table : m_check.tables) {
        if (table.heldBy != 0)
            add(TPreviewItem::Note, Text::tr("%1 is held by terminal %2 and stays open")
                                            .arg(tableText(table))
                                            .arg(table.heldBy));
    }
    if (f.journal.isEmpty())
        add(TPreviewItem::Ok, Text::tr("the day was not closed before"));
    else
        add(closedBefore() && !m_force ? TPreviewItem::Stop : TPreviewItem::Note,
            Text::tr("the day's journal has %1 run(s) already (%2turnover.z)")
                    .arg(f.journal.size())
                    .arg(f.dayDirectory));
    if (!f.pendingMove.isEmpty())
        add(TPreviewItem::Note,
            Text::tr("the interrupted move of %1 is completed first").arg(f.pendingMove));
    for (const QString &note : f.notes)
        add(TPreviewItem::Note, note);
    if (f.result != TurnoverDone && !f.lockBusy)
        add(TPreviewItem::Stop, closingRefusalText(f.result, m_request, f));
    if (m_otherDays > 0)
        add(TPreviewItem::Note, Text::tr("%n bill(s) were paid on another business day; they "
                                         "close into %1 too",
                                         nullptr, m_otherDays)
                                        .arg(dayText(m_request.date)));
    for (const QString &bill : m_unreadable)
        add(TPreviewItem::Note, Text::tr("%1 cannot be read for its figures").arg(bill));
    add(TPreviewItem::Info,
        Text::tr("%1 bills would move (bill total %2) into %3")
                .arg(bills())
                .arg(moneyText(currencies, long(m_figures.billTotal())), f.dayDirectory));
    add(TPreviewItem::Info,
        f.drawsDayZ ? Text::tr("Z counter %1 would be used; the day would get Z number %2")
                              .arg(f.zCounter)
                              .arg(f.dayZ)
                    : Text::tr("Z counter %1 would be used; the day keeps its Z number %2")
                              .arg(f.zCounter)
                              .arg(f.dayZ));
    return items;
}

QStringList TClosingPreview::figureLines(const TCurrencies *currencies) const
{
    QStringList out;
    auto money = [&](qint64 cents) { return moneyText(currencies, long(cents)); };
    for (const auto &[which, value] : takings())
        out << figure(figureCaption(which),
                      figureIsCount(which) ? QString::number(value) : money(value));
    const QList<TPayformFigures> forms = m_figures.payforms();
    if (!forms.isEmpty()) {
        out << QString() << Text::tr("Payment forms");
        for (const TPayformFigures &p : forms)
            out << figure(QStringLiteral("%1 (%2)")
                                  .arg(p.name.isEmpty() ? QString::number(p.payform) : p.name)
                                  .arg(p.count),
                          money(p.net()));
    }
    const QList<TOpenTable> open = openTables();
    if (!open.isEmpty()) {
        out << QString() << figureCaption(TFigure::OpenTables);
        for (const TOpenTable &table : open)
            out << figure(tableText(table), money(table.amount));
    }
    return out;
}

QList<TCountItem> TClosingPreview::countItems(const QList<TCountItem> &known) const
{
    QList<TCountItem> items;
    for (const TDrawerFigures::Line &line : m_drawer.lines())
        items << line.item;
    for (const TCountItem &item : known) {
        const bool there = std::any_of(items.cbegin(), items.cend(), [&](const TCountItem &i) {
            return i.payform == item.payform && i.currency == item.currency;
        });
        if (!there)
            items << item;
    }
    return items;
}

TCashCount TClosingPreview::count(const TCashCountInput &input) const
{
    return makeCashCount(input, m_drawer);
}

QDate billBusinessDay(const QString &billPath, const QString &root)
{
    TTable table(QDate(), 0, nullptr, root);
    if (!readBill(billPath, table))
        return QDate();
    return billDay(table, dayStart(root));
}

QDate proposedClosingDay(const QString &root, const QDateTime &now)
{
    const QString archives = installationDir(root, QStringLiteral("var/archives"), false);
    const QTime start = dayStart(root);
    QDate oldest;
    const QStringList files
            = QDir(archives).entryList(QStringList(QStringLiteral("a*")), QDir::Files);
    for (const QString &name : files) {
        if (tableFileNumber(name) <= 0 || name.contains(QLatin1Char('.')))
            continue;
        TTable table(QDate(), 0, nullptr, root);
        if (!readBill(archives + name, table))
            continue;
        const QDate day = billDay(table, start);
        if (day.isValid() && (!oldest.isValid() || day < oldest))
            oldest = day;
    }
    if (oldest.isValid())
        return oldest;
    const QDateTime clock = now.isValid() ? now : QDateTime::currentDateTime();
    return businessDayOf(clock, start);
}

QList<TCountItem> countableItems(TWorkspaceLists *lists)
{
    QList<TCountItem> items;
    if (!lists)
        return items;
    if (auto *currencies = static_cast<TCurrencies *>(lists->get(QStringLiteral("currencies")))) {
        const int system = currencies->systemCurrencyId();
        for (const TCurrency *c : currencies->currencies()) {
            TCountItem item;
            item.currency = int(c->id()) == system ? 0 : int(c->id());
            item.currencyShort = c->shortname();
            item.name = item.currency == 0 ? QStringLiteral("Cash")
                                           : QStringLiteral("Cash ") + c->shortname();
            bool ok = false;
            const double rate = c->getString(QStringLiteral("rate")).toDouble(&ok);
            item.rate = item.currency != 0 && ok && rate > 0 ? rate : 1.0;
            items << item;
        }
    }
    if (Basics::TValueList *payforms = lists->get(QStringLiteral("payforms"))) {
        for (const Basics::TValue *form : payforms->values()) {
            if (form->getBool(QStringLiteral("intermsum")))
                continue; // counted as cash
            TCountItem item;
            item.payform = int(form->id());
            item.name = form->getString(QStringLiteral("name"));
            items << item;
        }
    }
    return items;
}

QString countAmountText(const TCurrencies *currencies, const TCountItem &item, qint64 cents)
{
    if (item.currency == 0)
        return moneyText(currencies, long(cents));
    const TCurrency *currency = currencies ? currencies->currency(item.currency) : nullptr;
    if (!currency)
        return QStringLiteral("%1 %2").arg(centsText(cents), item.currencyShort).trimmed();
    return currencies->format(long(cents), currency, false, false) + QLatin1Char(' ')
           + currency->shortname();
}

QStringList cashCountLines(const TCashCount &count, const TCurrencies *currencies)
{
    QStringList out;
    const QString title = Text::tr("Cash count");
    out << title << QString(title.size(), QLatin1Char('='));
    auto money = [&](qint64 cents) { return moneyText(currencies, long(cents)); };
    out << figure(Text::tr("Opening float"), money(count.openingFloat));
    if (count.cashIn != 0)
        out << figure(Text::tr("Cash in records"), money(count.cashIn));
    if (count.cashOut != 0)
        out << figure(Text::tr("Cash out records"), money(count.cashOut));
    for (const TCountLine &line : count.lines) {
        out << line.item.name;
        out << figure(Text::tr("  Expected"),
                      countAmountText(currencies, line.item, line.expected));
        if (!line.counted) {
            out << figure(Text::tr("  Counted"), Text::tr("not counted"));
            continue;
        }
        out << figure(Text::tr("  Counted"),
                      countAmountText(currencies, line.item, line.countedAmount));
        out << figure(Text::tr("  Difference"),
                      countAmountText(currencies, line.item, line.difference()));
    }
    out << figure(Text::tr("Difference"), money(count.difference()));
    if (count.beyondTolerance())
        out << figure(Text::tr("Tolerance"), Text::tr("%1, exceeded").arg(money(count.tolerance)));
    if (!count.comment.isEmpty())
        out << figure(Text::tr("Comment"), count.comment);
    if (!count.countedBy.isEmpty())
        out << figure(Text::tr("Counted by"), count.countedBy);
    return out;
}

} // namespace PosLib
