#include "texceptionsrun.h"

#include "tcurrencies.h"
#include "tdayaggregate.h"
#include "texceptiondays.h"
#include "texceptionwalker.h"
#include "trepdata.h"
#include "treport.h"
#include "tsummary.h"
#include "tworkspacelists.h"

#include <memory>

namespace PosLib {

struct TExceptionsRun::Period
{
    QDate from;
    QDate to;
    TExceptionTally tally;
};

std::vector<const TExceptionEntry *> TExceptionsResult::entriesOf(TExceptionSide::Kind side,
                                                                  int outlet, int number,
                                                                  const TExceptionKind *kind) const
{
    std::vector<const TExceptionEntry *> found;
    for (const TExceptionEntry &e : entries) {
        const int key = side == TExceptionSide::Waiters ? e.waiter : e.center;
        if (e.outlet == outlet && key == number && (!kind || e.kind == *kind))
            found.push_back(&e);
    }
    return found;
}

QList<QPair<QDate, QDate>> weeksOf(const QDate &from, const QDate &to)
{
    QList<QPair<QDate, QDate>> weeks;
    for (QDate d = from; d.isValid() && d <= to;) {
        const QDate sunday = d.addDays(7 - d.dayOfWeek());
        const QDate last = sunday < to ? sunday : to;
        weeks << qMakePair(d, last);
        d = last.addDays(1);
    }
    return weeks;
}

TExceptionsRun::TExceptionsRun(TWorkspaceLists *lists, const QString &root, QObject *parent)
    : QObject(parent)
    , m_lists(lists)
    , m_root(root)
{
    if (!m_lists) {
        m_ownLists = new TWorkspaceLists(root);
        m_lists = m_ownLists;
    }
}

TExceptionsRun::~TExceptionsRun()
{
    delete m_ownLists;
}

void TExceptionsRun::setStopped()
{
    m_stopped = true;
    if (m_report)
        m_report->setStopped();
}

TExceptionRules TExceptionsRun::rules(const TExceptionsRequest &request)
{
    TExceptionRules rules = TExceptionRules::read(m_root, m_lists->get(QStringLiteral("payforms")));
    if (request.multiple > 0)
        rules.multiple = request.multiple;
    if (request.minCount > 0)
        rules.minCount = request.minCount;
    return rules;
}

void TExceptionsRun::configure(TReport &report, const TExceptionsRequest &request) const
{
    report.setWithOpenTables(request.withOpenTables);
    report.setWithoutCredits(request.choice.withoutCredits);
    report.setTurnoverType(request.choice.turnoverType);
    report.setTraineeType(request.choice.traineeType);
    report.setDayCache(request.dayCache);
    report.setReadOnly(request.readOnly);
}

TExceptionsResult TExceptionsRun::run(const TExceptionsRequest &request)
{
    TExceptionsResult result;
    result.from = request.from;
    result.to
            = request.from.isValid() ? (request.to.isValid() ? request.to : request.from) : QDate();
    result.printed = request.now.isValid() ? request.now : QDateTime::currentDateTime();
    result.rules = rules(request);
    {
        TReport report(QDate(), nullptr, m_root);
        TSummary summary(&report, nullptr, nullptr, m_root);
        summary.setNow(result.printed);
        result.installation = summary.installationName();
        if (result.isCurrent())
            result.businessDay = summary.businessDate();
    }
    QList<TExceptionSource> sources = m_sources;
    if (sources.isEmpty())
        sources << TExceptionSource {0, m_root};
    for (const TExceptionSource &source : sources) {
        if (source.outlet != 0)
            result.outlets << source.outlet;
    }

    // the whole range, then its weeks
    QList<Period> periods;
    periods.append(Period {result.from, result.to, {}});
    if (request.weeks && !result.isCurrent()) {
        for (const auto &week : weeksOf(result.from, result.to))
            periods.append(Period {week.first, week.second, {}});
    }
    // one week: its figures are the range's
    const bool ownWeeks = periods.size() > 2;
    for (const TExceptionSource &source : sources) {
        const TExceptionWalker walker(source.root, result.rules, request.choice);
        const QString options = result.rules.text()
                                + QStringLiteral("\nturnover %1 trainee %2 credits %3")
                                          .arg(request.choice.turnoverType)
                                          .arg(request.choice.traineeType)
                                          .arg(request.choice.withoutCredits ? 0 : 1);
        TExceptionDays days(source.root, walker, options);
        days.setCache(request.dayCache);
        days.setReadOnly(request.readOnly);
        days.setKeepGoing([this] { return !m_stopped; });
        // a day the engine reads whole counts at once: a year's entries
        // are not held until the engine is done
        if (!result.isCurrent()) {
            days.setTaker(result.from, [&](const QDate &date, TExceptionDay &day) {
                addDay(date, day, source.outlet, request, periods, result);
            });
        }
        // the engine reads or checks the day summaries the entries come
        // from too
        m_entryDays = &days;
        if (ownWeeks)
            readWeekTakings(source, request, periods);
        else
            readTakings(source, request, periods[0].from, periods[0].to, periods[0].tally);
        m_entryDays = nullptr;
        if (m_stopped || !readEntries(source, days, request, periods, result))
            break;
    }
    if (m_stopped) {
        result.status = TExceptionsResult::Cancelled;
        return result;
    }
    result.waiters = periods[0].tally.side(TExceptionSide::Waiters, result.rules);
    result.centers = periods[0].tally.side(TExceptionSide::Centers, result.rules);
    for (int i = 1; i < periods.size(); ++i) {
        TExceptionWeek week;
        week.from = periods[i].from;
        week.to = periods[i].to;
        week.waiters = ownWeeks ? periods[i].tally.side(TExceptionSide::Waiters, result.rules)
                                : result.waiters;
        week.centers = ownWeeks ? periods[i].tally.side(TExceptionSide::Centers, result.rules)
                                : result.centers;
        result.weeks << week;
    }
    return result;
}

// The groups of the waiter and cost-center reports, which share their
// cached days. `written`: groups that are added to others afterwards, as
// a day of the cache is.
struct TExceptionsRun::Takings
{
    explicit Takings(const QString &root, bool written = false)
        : waiters(nullptr, root)
        , centers(nullptr, root)
    {
        const int codes[2] = {TSummary::WaiterSummary, TSummary::CenterSummary};
        for (int i = 0; i < 2; ++i) {
            sides[i]->setKeepRecords(TSummary::readsRecords(codes[i]));
            sides[i]->setScope(TSummary::scopeOf(codes[i], false));
            sides[i]->setKeepDayNotes(written);
            sides[i]->setKeepCashRecords(TSummary::readsCashRecords(codes[i]));
        }
    }

    TRepWaiters waiters;
    TRepCenters centers;
    TRepDatas *sides[2] = {&waiters, &centers};
};

bool TExceptionsRun::readTakings(const TExceptionSource &source, const TExceptionsRequest &request,
                                 const QDate &from, const QDate &to, TExceptionTally &tally)
{
    Takings takings(source.root);
    if (!fillTakings(source, request, from, to, takings))
        return false;
    setTakings(source, request, takings, !from.isValid(), tally);
    return true;
}

bool TExceptionsRun::readWeekTakings(const TExceptionSource &source,
                                     const TExceptionsRequest &request, QList<Period> &periods)
{
    // The range's groups are its weeks' added up, as a run through the
    // cache adds up its days: every day is read once.
    Takings range(source.root);
    bool added = true;
    for (int i = 1; i < periods.size(); ++i) {
        Takings week(source.root, true);
        if (!fillTakings(source, request, periods[i].from, periods[i].to, week))
            return false;
        for (int side = 0; side < 2 && added; ++side)
            added = TDayAggregate::merge(TDayAggregate::toBytes(*week.sides[side]),
                                         *range.sides[side]);
        setTakings(source, request, week, false, periods[i].tally);
    }
    if (!added)
        return readTakings(source, request, periods[0].from, periods[0].to, periods[0].tally);
    setTakings(source, request, range, false, periods[0].tally);
    return true;
}

bool TExceptionsRun::fillTakings(const TExceptionSource &source, const TExceptionsRequest &request,
                                 const QDate &from, const QDate &to, Takings &takings)
{
    TReport report(QDate(), nullptr, source.root);
    configure(report, request);
    connect(&report, &TReport::sigDataCount, this, &TExceptionsRun::sigDataCount);
    connect(&report, &TReport::sigProgress, this, &TExceptionsRun::sigProgress);
    connect(&report, &TReport::sigDate, this, &TExceptionsRun::sigDate);
    connect(&report, &TReport::sigNotice, this, &TExceptionsRun::sigNotice);
    m_report = &report;
    report.setSummaryWatcher(m_entryDays);
    if (from.isValid())
        report.runRange(&takings.waiters, &takings.centers, from, to);
    else
        report.runDay(&takings.waiters, &takings.centers, QDate());
    m_report = nullptr;
    if (report.isStopped() || m_stopped) {
        m_stopped = true;
        return false;
    }
    return true;
}

void TExceptionsRun::setTakings(const TExceptionSource &source, const TExceptionsRequest &request,
                                const Takings &takings, bool current, TExceptionTally &tally)
{
    std::unique_ptr<TWorkspaceLists> ownLists;
    TWorkspaceLists *lists = m_lists;
    if (source.root != m_root) {
        ownLists = std::make_unique<TWorkspaceLists>(source.root);
        lists = ownLists.get();
    }
    TReport report(QDate(), nullptr, source.root);
    configure(report, request);
    TSummary summary(&report, static_cast<TCurrencies *>(lists->get(QStringLiteral("currencies"))),
                     lists->get(QStringLiteral("waiters")), source.root);
    const TRepWaiters &waiters = takings.waiters;
    const TRepCenters &centers = takings.centers;
    for (auto it = waiters.groups().cbegin(); it != waiters.groups().cend(); ++it) {
        const int number = it.key().toInt();
        // "0" is all waiters together
        if (number == 0)
            continue;
        tally.setTakings(TExceptionSide::Waiters, source.outlet, number,
                         summary.figures(it.value(), current).allAmount,
                         summary.waiterName(it.value(), number));
    }
    for (auto it = centers.groups().cbegin(); it != centers.groups().cend(); ++it) {
        tally.setTakings(TExceptionSide::Centers, source.outlet, it.key().toInt(),
                         summary.figures(it.value(), current).allAmount,
                         it.value()->getString(QStringLiteral("centername")));
    }
}

void TExceptionsRun::addDay(const QDate &date, TExceptionDay &day, int outlet,
                            const TExceptionsRequest &request, QList<Period> &periods,
                            TExceptionsResult &result)
{
    for (int i = 0; i < periods.size(); ++i) {
        const bool in = i == 0 || (date >= periods[i].from && date <= periods[i].to);
        if (in)
            periods[i].tally.addDay(day, outlet);
    }
    if (!request.keepEntries)
        return;
    for (TExceptionEntry &e : day.entries) {
        e.outlet = outlet;
        result.entries.push_back(std::move(e));
    }
}

bool TExceptionsRun::readEntries(const TExceptionSource &source, TExceptionDays &days,
                                 const TExceptionsRequest &request, QList<Period> &periods,
                                 TExceptionsResult &result)
{
    TExceptionDay day;
    auto take = [&](const QDate &date) {
        addDay(date, day, source.outlet, request, periods, result);
    };
    if (result.isCurrent()) {
        Q_EMIT sigDataCount(1);
        if (!days.readCurrent(request.withOpenTables, day))
            return false;
        take(QDate());
        Q_EMIT sigProgress(1);
    } else {
        days.readAhead(result.from, result.to);
        const int count = int(result.from.daysTo(result.to)) + 1;
        Q_EMIT sigDataCount(count);
        int step = 0;
        for (QDate d = result.from; d <= result.to; d = d.addDays(1)) {
            Q_EMIT sigDate(d);
            if (m_stopped || !days.readDay(d, day))
                return false;
            take(d);
            Q_EMIT sigProgress(++step);
        }
    }
    for (const QString &notice : days.notices()) {
        result.notices << notice;
        Q_EMIT sigNotice(notice);
    }
    return !m_stopped;
}

} // namespace PosLib
