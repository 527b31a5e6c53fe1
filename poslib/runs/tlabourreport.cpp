#include "tlabourreport.h"

#include "terror.h"
#include "tfigures.h"
#include "tinstallation.h"
#include "tpricetext.h"
#include "treportrun.h"
#include "tround.h"
#include "ttimecontrols.h"
#include "tworkspacelists.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QLocale>

namespace PosLib {

namespace {

// "All waiters" (the full summary over all waiters), "Waiter report" (the
// full summary per waiter) and "Hour report".
constexpr int AllWaitersKind = 4;
constexpr int WaiterReportKind = 5;
constexpr int HourReportKind = 19;

QString str(const char *text)
{
    return QString::fromLatin1(text);
}

// The groups of the first period of a report's data.
QJsonArray groupsOf(const QJsonObject &data)
{
    return data.value(str("sections"))[0]
            .toObject()
            .value(str("periods"))[0]
            .toObject()
            .value(str("groups"))
            .toArray();
}

qint64 figureOf(const QJsonObject &group, TFigure figure)
{
    return qint64(group.value(str("figures")).toObject().value(figureKey(figure)).toDouble());
}

QString hourName(int hour)
{
    return QStringLiteral("%1:00-%1:59").arg(hour, 2, 10, QLatin1Char('0'));
}

QJsonValue optional(bool has, const QJsonValue &value)
{
    return has ? value : QJsonValue();
}

QJsonObject lineObject(const TLabourLine &line, bool waiter, bool withWages)
{
    QJsonObject o;
    o.insert(str(waiter ? "waiter" : "hour"), line.number);
    if (waiter)
        o.insert(str("name"), line.name);
    o.insert(str("seconds"), line.seconds);
    o.insert(str("sales"), line.sales);
    qint64 perHour = 0;
    o.insert(str("salesPerHour"), optional(line.salesPerHour(&perHour), perHour));
    if (line.covers >= 0) {
        double covers = 0;
        o.insert(str("covers"), line.covers);
        o.insert(str("coversPerHour"),
                 optional(line.coversPerHour(&covers), double(roundHalfUp(covers * 100)) / 100));
    }
    if (withWages) {
        double share = 0;
        o.insert(str("cost"), optional(line.withCost, line.cost));
        o.insert(str("costShare"),
                 optional(line.costShare(&share), double(roundHalfUp(share * 10)) / 10));
    }
    return o;
}

} // namespace

bool TLabourLine::salesPerHour(qint64 *cents) const
{
    if (seconds <= 0)
        return false;
    *cents = roundHalfUp(double(sales) * 3600.0 / double(seconds));
    return true;
}

bool TLabourLine::coversPerHour(double *perHour) const
{
    if (seconds <= 0 || covers < 0)
        return false;
    *perHour = double(covers) * 3600.0 / double(seconds);
    return true;
}

bool TLabourLine::costShare(double *percent) const
{
    if (!withCost || sales == 0)
        return false;
    *percent = double(cost) * 100.0 / double(sales);
    return true;
}

QString TLabourReport::hoursText(qint64 seconds)
{
    const qint64 minutes = roundHalfUp(double(seconds) / 60.0);
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

bool TLabourReport::read(TWorkspaceLists *lists, const QString &root, const QDate &reportFrom,
                         const QDate &reportTo, const QDateTime &now, QString *error)
{
    const QDateTime clock = now.isValid() ? now : QDateTime::currentDateTime();
    const QTime dayStart = dayOffset(QDir(root).filePath(QStringLiteral("etc/globals.ini")));
    currentDay = !reportFrom.isValid();
    from = currentDay ? businessDay(root, clock) : reportFrom;
    to = currentDay || !reportTo.isValid() ? from : reportTo;

    TWages wages;
    if (!wages.read(TWages::path(root), error))
        return false;
    withWages = !wages.isEmpty();

    // a night's logon period is written on the day it began
    TTimeControlList days;
    const QString control = QDir(root).filePath(QStringLiteral("var/control"));
    if (QFileInfo(control).isDir()) {
        int result = 0;
        try {
            result = days.load(from.addDays(-1), to.addDays(1), root);
        } catch (const Basics::TError &e) {
            *error = tr("The time controls in %1 cannot be read: %2")
                             .arg(QDir::toNativeSeparators(control), e.text());
            return false;
        }
        if (result != 0) {
            *error = tr("The time controls in %1 cannot be read (code %2)")
                             .arg(QDir::toNativeSeparators(control))
                             .arg(result);
            return false;
        }
    }
    const TLabourHours worked = labourHours(days, dayStart, from, to, clock);

    // the takings, the same options for every run
    TReportRun run(lists, root);
    auto report = [&](int kind, QJsonObject *data) {
        TReportRequest request;
        request.kind = kind;
        request.withData = true;
        // the figures of the groups and the hours: not a leaf per pay of a
        // year, nor a line per table
        request.dataNodes = {QStringLiteral("hours")};
        request.now = clock;
        if (!currentDay) {
            request.from = from;
            request.to = to;
        }
        const TReportResult result = run.run(request);
        *data = result.data;
        return result.status == TReportResult::Done || result.status == TReportResult::NoData;
    };
    QJsonObject all;
    QJsonObject perWaiter;
    QJsonObject perHour;
    if (!report(AllWaitersKind, &all) || !report(WaiterReportKind, &perWaiter)
        || !report(HourReportKind, &perHour)) {
        *error = tr("The reports over the days of the labour report did not finish");
        return false;
    }

    QMap<int, TLabourLine> byWaiter;
    for (const QJsonValue &v : groupsOf(perWaiter)) {
        const QJsonObject group = v.toObject();
        TLabourLine &line = byWaiter[group.value(str("number")).toInt()];
        line.name = group.value(str("name")).toString();
        line.sales = figureOf(group, TFigure::AllAmount);
        line.covers = figureOf(group, TFigure::Guests);
    }
    Basics::TValueList *names = lists->get(QStringLiteral("waiters"));
    for (auto it = worked.perWaiter.constBegin(); it != worked.perWaiter.constEnd(); ++it) {
        TLabourLine &line = byWaiter[it.key()];
        line.seconds = it.value();
        if (line.covers < 0)
            line.covers = 0;
        if (line.name.isEmpty() && names) {
            if (const Basics::TValue *record = names->find(it.key()))
                line.name = record->name();
        }
    }
    waiters.clear();
    withoutWage.clear();
    total = TLabourLine();
    total.name = tr("Total");
    total.covers = 0;
    total.withCost = withWages;
    for (auto it = byWaiter.begin(); it != byWaiter.end(); ++it) {
        TLabourLine line = it.value();
        line.number = it.key();
        qint64 wage = 0;
        if (withWages && line.seconds > 0) {
            line.withCost = wages.wage(line.number, &wage);
            line.cost = line.withCost ? labourCost(line.seconds, wage) : 0;
            if (!line.withCost)
                withoutWage << line.number;
        } else if (withWages) {
            line.withCost = true;
        }
        total.seconds += line.seconds;
        total.cost += line.cost;
        waiters << line;
    }
    installation = all.value(str("installation")).toString();
    const QJsonArray allGroups = groupsOf(all);
    if (!allGroups.isEmpty()) {
        total.sales = figureOf(allGroups.first().toObject(), TFigure::AllAmount);
        total.covers = figureOf(allGroups.first().toObject(), TFigure::Guests);
    }

    // the hours of the clock, from the day start round to the hour before
    std::array<qint64, 24> sales {};
    for (const QJsonValue &group : groupsOf(perHour)) {
        for (const QJsonValue &v : group.toObject().value(str("items")).toArray()) {
            const QJsonObject item = v.toObject();
            const int hour = item.value(str("values")).toObject().value(str("hour")).toInt();
            if (item.value(str("node")).toString() == QLatin1String("hours") && hour >= 0
                && hour < 24)
                sales[size_t(hour)] += qint64(item.value(str("amount")).toDouble());
        }
    }
    hours.clear();
    for (int i = 0; i < 24; ++i) {
        const int hour = (dayStart.hour() + i) % 24;
        const size_t h = size_t(hour);
        if (worked.perHour[h] == 0 && sales[h] == 0)
            continue;
        TLabourLine line;
        line.number = hour;
        line.name = hourName(hour);
        line.seconds = worked.perHour[h];
        line.sales = sales[h];
        if (withWages) {
            double cost = 0;
            line.withCost = true;
            for (auto w = worked.perWaiterHour.constBegin(); w != worked.perWaiterHour.constEnd();
                 ++w) {
                qint64 wage = 0;
                if (w.value()[h] > 0 && wages.wage(w.key(), &wage))
                    cost += double(w.value()[h]) * double(wage) / 3600.0;
            }
            line.cost = roundHalfUp(cost);
        }
        hours << line;
    }
    return true;
}

QJsonObject TLabourReport::document() const
{
    QJsonObject o;
    o.insert(str("format"), 1);
    o.insert(str("installation"), installation);
    o.insert(str("from"), from.toString(Qt::ISODate));
    o.insert(str("to"), to.toString(Qt::ISODate));
    o.insert(str("currentDay"), currentDay);
    o.insert(str("withWages"), withWages);
    QJsonArray waiterArray;
    for (const TLabourLine &line : waiters)
        waiterArray.append(lineObject(line, true, withWages));
    QJsonArray hourArray;
    for (const TLabourLine &line : hours)
        hourArray.append(lineObject(line, false, withWages));
    QJsonObject sum = lineObject(total, true, withWages);
    sum.remove(str("waiter"));
    sum.remove(str("name"));
    QJsonArray missing;
    for (int waiter : withoutWage)
        missing.append(waiter);
    o.insert(str("waiters"), waiterArray);
    o.insert(str("hours"), hourArray);
    o.insert(str("total"), sum);
    o.insert(str("withoutWage"), missing);
    return o;
}

QList<QStringList> TLabourReport::csvRows() const
{
    QList<QStringList> rows {{str("line"), str("number"), str("name"), str("seconds"), str("sales"),
                              str("salesPerHour"), str("covers"), str("coversPerHour"), str("cost"),
                              str("costShare")}};
    auto row = [this](const char *kind, const TLabourLine &line) {
        qint64 perHour = 0;
        double covers = 0;
        double share = 0;
        const bool hasCovers = line.coversPerHour(&covers);
        return QStringList {str(kind),
                            QString::number(line.number),
                            line.name,
                            QString::number(line.seconds),
                            QString::number(line.sales),
                            line.salesPerHour(&perHour) ? QString::number(perHour) : QString(),
                            line.covers >= 0 ? QString::number(line.covers) : QString(),
                            hasCovers ? QString::number(covers, 'f', 2) : QString(),
                            withWages && line.withCost ? QString::number(line.cost) : QString(),
                            line.costShare(&share) ? QString::number(share, 'f', 1) : QString()};
    };
    for (const TLabourLine &line : waiters)
        rows << row("waiter", line);
    for (const TLabourLine &line : hours)
        rows << row("hour", line);
    rows << row("total", total);
    rows.last()[1].clear();
    return rows;
}

} // namespace PosLib
