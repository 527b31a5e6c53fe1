#include "twebapi.h"

#include "cliutil.h"
#include "commands.h"
#include "targs.h"
#include "tchartpage.h"
#include "tcomparisontext.h"
#include "tcurrencies.h"
#include "tdayfigures.h"
#include "texceptionsoutput.h"
#include "texceptionsrun.h"
#include "tfigures.h"
#include "tinstallation.h"
#include "topentableslist.h"
#include "tpricetext.h"
#include "treportkinds.h"
#include "tsumbatch.h"
#include "ttable.h"
#include "twebreports.h"
#include "tworkspacelists.h"
#include "tzreport.h"

#include <QJsonArray>
#include <QJsonDocument>

using namespace PosLib;

namespace WebLib {

namespace {

TWebResponse jsonAnswer(const QJsonObject &o)
{
    return TWebResponse::json(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

const TCurrencies *currenciesOf(TWorkspaceLists &lists)
{
    return qobject_cast<TCurrencies *>(lists.get(QStringLiteral("currencies")));
}

// The money text the back office shows (the installation's one helper).
QString money(const TCurrencies *currencies, long cents)
{
    return moneyText(currencies, cents);
}

QJsonArray detailGroups(const QList<TListRow> &details)
{
    // each group: its title, the titles of its columns, its rows
    QJsonArray groups;
    for (const TListRow &group : details) {
        QJsonObject o;
        o.insert(QStringLiteral("title"), group.text());
        QJsonArray rows;
        for (qsizetype i = 0; i < group.children.size(); ++i) {
            QStringList columns = group.children.at(i).columns;
            for (QString &c : columns)
                c = c.trimmed();
            if (i == 0)
                o.insert(QStringLiteral("columns"), QJsonArray::fromStringList(columns));
            else
                rows.append(QJsonArray::fromStringList(columns));
        }
        o.insert(QStringLiteral("rows"), rows);
        groups.append(o);
    }
    return groups;
}

QString sideName(const TReportKind &kind)
{
    switch (kind.side) {
    case TReportKind::WaiterSide:
        return kind.overAll ? QStringLiteral("allWaiters") : QStringLiteral("perWaiter");
    case TReportKind::CenterSide:
        return QStringLiteral("perCenter");
    case TReportKind::NoSide:
        break;
    }
    return QStringLiteral("journal");
}

} // namespace

TWebApi::TWebApi(const TWebSource &source)
    : m_source(source)
{ }

QList<TApiRoute> TWebApi::routes()
{
    return {
            {QStringLiteral("/api/today"), {}},
            {QStringLiteral("/api/open-tables"), {}},
            {QStringLiteral("/api/kinds"), {}},
            {QStringLiteral("/api/report"), TWebReports::reportParameters()},
            {QStringLiteral("/api/closings"), {QStringLiteral("from"), QStringLiteral("to")}},
            {QStringLiteral("/api/z"), TWebReports::zParameters()},
            {QStringLiteral("/api/chain/outlets"), {}},
            {QStringLiteral("/api/chain/report"), TWebReports::chainParameters()},
    };
}

QDateTime TWebApi::now() const
{
    return m_source.now.isValid() ? m_source.now : QDateTime::currentDateTime();
}

TWebResponse TWebApi::answer(const TApiCall &call)
{
    if (call.path == QLatin1String("/api/today"))
        return today(call);
    if (call.path == QLatin1String("/api/open-tables"))
        return openTables(call);
    if (call.path == QLatin1String("/api/kinds"))
        return kinds(call);
    if (call.path == QLatin1String("/api/closings"))
        return closings(call);
    // the rest are the commands' reports
    TWebReports reports(m_source);
    if (call.path == QLatin1String("/api/report"))
        return reports.report(call);
    if (call.path == QLatin1String("/api/z"))
        return reports.zReport(call);
    if (call.path == QLatin1String("/api/chain/outlets"))
        return reports.chainOutlets(call);
    if (call.path == QLatin1String("/api/chain/report"))
        return reports.chainReport(call);
    return TWebResponse::error(404, tr("no such call"));
}

TWebResponse TWebApi::today(const TApiCall &)
{
    TWorkspaceLists lists(m_source.root);
    const QDateTime at = now();
    const TDayFigures f = dayFigures(&lists, m_source.root, at, true, true);
    if (!f.read)
        return TWebResponse::error(503, tr("the figures could not be read"));
    const TCurrencies *currencies = currenciesOf(lists);
    // the day's named figures: their keys, their captions in the visitor's
    // language, and the money texts of the amounts
    const QList<QPair<TFigure, long>> named {
            {TFigure::AllAmount, f.allAmount},
            {TFigure::PaidTables, f.paidTables},
            {TFigure::Guests, f.guests},
            {TFigure::OpenTables, f.openTables},
            {TFigure::OpenTablesAmount, f.openAmount},
            {TFigure::Voids, f.voids},
            {TFigure::VoidAmount, f.voidAmount},
    };
    QJsonObject figures;
    QJsonObject captions;
    QJsonObject texts;
    for (const auto &[figure, value] : named) {
        const QString key = figureKey(figure);
        figures.insert(key, qint64(value));
        captions.insert(key, figureCaption(figure));
        if (!figureIsCount(figure))
            texts.insert(key, money(currencies, value));
    }
    // the takings per paid table, as the panel shows it beside them
    figures.insert(QStringLiteral("averageBill"), qint64(f.averageBill()));
    texts.insert(QStringLiteral("averageBill"), money(currencies, f.averageBill()));
    QJsonObject o {
            {QStringLiteral("format"), 1},
            {QStringLiteral("day"), businessDay(m_source.root, at).toString(Qt::ISODate)},
            {QStringLiteral("asOf"), at.toString(Qt::ISODate)},
            {QStringLiteral("currency"), currencyShortName(currencies)},
            {QStringLiteral("figures"), figures},
            {QStringLiteral("captions"), captions},
            {QStringLiteral("texts"), texts},
            {QStringLiteral("lastClosing"),
             f.lastClosing.isValid() ? QJsonValue(
                     QJsonObject {{QStringLiteral("day"), f.lastClosing.toString(Qt::ISODate)},
                                  {QStringLiteral("z"), qint64(f.lastZ)}})
                                     : QJsonValue()},
    };
    o.insert(QStringLiteral("exceptions"), todaysExceptions(lists, at));
    const QStringList compared = comparisonTexts(f, currencies);
    if (!compared.isEmpty()) {
        QJsonArray items;
        for (const QString &text : compared)
            items.append(QJsonObject {{QStringLiteral("text"), text}});
        o.insert(QStringLiteral("comparison"), items);
    }
    return jsonAnswer(o);
}

QStringList TWebApi::comparisonTexts(const TDayFigures &f, const TCurrencies *currencies)
{
    const TDayFigures::LastWeek &w = f.lastWeek;
    // nothing to hold the day against when that day had nothing
    if (!w.read || (w.paidTables == 0 && w.allAmount == 0 && w.voids == 0))
        return {};
    const QLocale locale;
    QStringList texts;
    texts << (w.until.isValid() ? tr("Same weekday last week, %1 until %2")
                                          .arg(locale.toString(w.day, QLocale::ShortFormat),
                                               locale.toString(w.until, QLocale::ShortFormat))
                                : tr("Same weekday last week, %1")
                                          .arg(locale.toString(w.day, QLocale::ShortFormat)));
    auto line = [&](const QString &caption, const QString &now, const QString &then, double a,
                    double b) {
        const QString percent = TComparisonText::percentText(a, b);
        return percent.isEmpty() ? tr("%1: %2 against %3").arg(caption, now, then)
                                 : tr("%1: %2 against %3 (%4)").arg(caption, now, then, percent);
    };
    texts << line(figureCaption(TFigure::AllAmount), money(currencies, f.allAmount),
                  money(currencies, w.allAmount), f.allAmount, w.allAmount);
    texts << line(figureCaption(TFigure::Guests), locale.toString(qlonglong(f.guests)),
                  locale.toString(qlonglong(w.guests)), f.guests, w.guests);
    texts << line(tr("Average bill"), money(currencies, f.averageBill()),
                  money(currencies, w.averageBill()), f.averageBill(), w.averageBill());
    texts << line(
            figureCaption(TFigure::Voids),
            tr("%1 - %2").arg(locale.toString(qlonglong(f.voids)), money(currencies, f.voidAmount)),
            tr("%1 - %2").arg(locale.toString(qlonglong(w.voids)), money(currencies, w.voidAmount)),
            f.voidAmount, w.voidAmount);
    return texts;
}

QJsonArray TWebApi::todaysExceptions(TWorkspaceLists &lists, const QDateTime &at) const
{
    // the day's voids, discounts and the rest against the team, with the
    // waiters flagged, as the Z report's block; nothing written
    TExceptionsRun run(&lists, m_source.root);
    TExceptionsRequest request;
    request.readOnly = true;
    request.weeks = false;
    request.now = at;
    QJsonArray texts;
    for (const QString &text : exceptionsDayTexts(run.run(request), currenciesOf(lists)))
        texts.append(QJsonObject {{QStringLiteral("text"), text}});
    return texts;
}

TWebResponse TWebApi::openTables(const TApiCall &)
{
    TWorkspaceLists lists(m_source.root);
    const TCurrencies *currencies = currenciesOf(lists);
    TOpenTablesList list(m_source.root, currencies, Qt::ISODate);
    list.load();
    QJsonArray tables;
    for (const TOpenTableRow &row : list.rows()) {
        QJsonObject t {
                {QStringLiteral("table"), qint64(row.table)},
                {QStringLiteral("party"), row.party},
                {QStringLiteral("held"), row.state == TTable::Locked},
                {QStringLiteral("counted"), row.counted},
        };
        if (row.counted) {
            t.insert(QStringLiteral("amount"), qint64(row.amount));
            t.insert(QStringLiteral("amountText"), money(currencies, row.amount));
            t.insert(QStringLiteral("waiter"), row.columns.value(3).trimmed().toInt());
            t.insert(QStringLiteral("waiterName"), row.columns.value(4));
            t.insert(QStringLiteral("tableName"), row.columns.value(5));
        } else {
            t.insert(QStringLiteral("note"), row.columns.value(4));
        }
        t.insert(QStringLiteral("details"), detailGroups(row.details));
        tables.append(t);
    }
    const QJsonObject o {
            {QStringLiteral("format"), 1},
            {QStringLiteral("count"), list.count()},
            {QStringLiteral("sum"), qint64(list.sum())},
            {QStringLiteral("sumText"), money(currencies, list.sum())},
            {QStringLiteral("tables"), tables},
    };
    return jsonAnswer(o);
}

TWebResponse TWebApi::kinds(const TApiCall &)
{
    QJsonArray kinds;
    for (const TReportKind &kind : reportKinds()) {
        kinds.append(QJsonObject {
                {QStringLiteral("id"), kind.id},
                {QStringLiteral("caption"), reportCaption(kind)},
                {QStringLiteral("side"), sideName(kind)},
                {QStringLiteral("chart"), kindHasChart(kind.id)},
        });
    }
    TWorkspaceLists lists(m_source.root);
    QJsonArray batches;
    if (auto *list = qobject_cast<TSumBatches *>(lists.get(QStringLiteral("sumbatches")))) {
        for (int id : list->ids()) {
            const TSumBatch *batch = list->batch(id);
            batches.append(QJsonObject {
                    {QStringLiteral("id"), BatchKindOffset + id},
                    {QStringLiteral("caption"), batch->name()},
                    {QStringLiteral("fiscal"), batch->fiscal()},
                    {QStringLiteral("chart"), kindHasChart(BatchKindOffset + id)},
            });
        }
    }
    const QJsonObject o {
            {QStringLiteral("format"), 1},
            {QStringLiteral("kinds"), kinds},
            {QStringLiteral("batches"), batches},
            {QStringLiteral("maxDays"), m_source.limits.maxReportDays},
    };
    return jsonAnswer(o);
}

TWebResponse TWebApi::closings(const TApiCall &call)
{
    QDate from;
    QDate to;
    // the dates as 'veltrum z' takes them, with its words for a wrong one
    const TCommand command = zCommand();
    QStringList args {QStringLiteral("--data=") + m_source.root};
    for (const char *name : {"from", "to"}) {
        if (call.has(QLatin1String(name)))
            args << QStringLiteral("--%1=%2").arg(QLatin1String(name),
                                                  call.param(QLatin1String(name)));
    }
    try {
        TArgs parsed(command, args);
        parsed.dateRange(from, to, false);
    } catch (const TUsageError &e) {
        return badParameter(e.message);
    }
    TWorkspaceLists lists(m_source.root);
    const TCurrencies *currencies = currenciesOf(lists);
    const TClosingList list(m_source.root, from, to);
    QJsonObject o = list.data();
    // the amounts also as the back office shows them
    QJsonArray rows = o.value(QStringLiteral("closings")).toArray();
    for (qsizetype i = 0; i < rows.size() && i < list.rows().size(); ++i) {
        QJsonObject row = rows.at(i).toObject();
        const TClosingRow &closing = list.rows().at(i);
        row.insert(QStringLiteral("amountText"),
                   closing.hasRecord ? QJsonValue(money(currencies, long(closing.amount)))
                                     : QJsonValue());
        rows[i] = row;
    }
    o.insert(QStringLiteral("closings"), rows);
    return jsonAnswer(o);
}

} // namespace WebLib
