#include "tdayfigures.h"

#include "tcounter.h"
#include "terror.h"
#include "tfigures.h"
#include "tinstallation.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "treportrun.h"
#include "tround.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace PosLib {

namespace {

// "All waiters": the full summary over all waiters.
constexpr int AllWaitersKind = 4;

long figure(const QJsonObject &figures, TFigure figure)
{
    return long(figures.value(figureKey(figure)).toDouble());
}

} // namespace

long TDayFigures::averageBill() const
{
    return paidTables > 0 ? long(roundHalfUp(double(allAmount) / double(paidTables))) : 0;
}

long TDayFigures::LastWeek::averageBill() const
{
    return paidTables > 0 ? long(roundHalfUp(double(allAmount) / double(paidTables))) : 0;
}

QDate lastClosedDay(const QString &root)
{
    QDate last;
    const QDir statist(statistDir(root));
    for (const QString &name :
         statist.entryList({QStringLiteral("tag*")}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDate day = QDate::fromString(name.mid(3), QStringLiteral("dd.MM.yyyy"));
        if (day.isValid() && day > last && isClosedDay(day, root))
            last = day;
    }
    return last;
}

TDayFigures dayFigures(TWorkspaceLists *lists, const QString &root, const QDateTime &now,
                       bool againstLastWeek, bool readOnly)
{
    TDayFigures figures;
    TReportRun run(lists, root);
    TReportRequest request;
    request.kind = AllWaitersKind;
    request.withData = true;
    request.now = now;
    request.readOnly = readOnly;
    if (againstLastWeek)
        request.compare.mode = TCompareWith::Week;
    const TReportResult result = run.run(request);
    if (result.status == TReportResult::Cancelled)
        return figures;
    figures.read = true;
    // the one group over all waiters; none when the day has nothing yet
    const QJsonArray groups = result.data.value(QStringLiteral("sections"))[0]
                                      .toObject()
                                      .value(QStringLiteral("periods"))[0]
                                      .toObject()
                                      .value(QStringLiteral("groups"))
                                      .toArray();
    if (!groups.isEmpty()) {
        const QJsonObject f = groups.first().toObject().value(QStringLiteral("figures")).toObject();
        figures.allAmount = figure(f, TFigure::AllAmount);
        figures.paidTables = figure(f, TFigure::PaidTables);
        figures.guests = figure(f, TFigure::Guests);
        figures.openTables = figure(f, TFigure::OpenTables);
        figures.openAmount = figure(f, TFigure::OpenTablesAmount);
        figures.voids = figure(f, TFigure::Voids);
        figures.voidAmount = figure(f, TFigure::VoidAmount);
    }
    if (againstLastWeek) {
        const QJsonObject compared = result.data.value(QStringLiteral("compared")).toObject();
        TDayFigures::LastWeek &week = figures.lastWeek;
        week.read = true;
        week.day
                = QDate::fromString(compared.value(QStringLiteral("from")).toString(), Qt::ISODate);
        week.until = QTime::fromString(compared.value(QStringLiteral("until")).toString(),
                                       Qt::ISODate);
        if (!groups.isEmpty()) {
            const QJsonObject f = groups.first()
                                          .toObject()
                                          .value(QStringLiteral("compared"))
                                          .toObject()
                                          .value(QStringLiteral("figures"))
                                          .toObject();
            week.allAmount = figure(f, TFigure::AllAmount);
            week.paidTables = figure(f, TFigure::PaidTables);
            week.guests = figure(f, TFigure::Guests);
            week.voids = figure(f, TFigure::Voids);
            week.voidAmount = figure(f, TFigure::VoidAmount);
        }
    }

    figures.lastClosing = lastClosedDay(root);
    if (figures.lastClosing.isValid()) {
        const QString dayDir = statistDayDir(figures.lastClosing, root);
        try {
            if (QFileInfo::exists(dayDir + QStringLiteral("zcount.dat")))
                figures.lastZ
                        = TCounter(dayDir, QStringLiteral("zcount.dat")).get(QStringLiteral("z"));
        } catch (const Basics::TError &e) {
            // the figures go without the Z number
            Basics::logError(e.text(), Basics::LogModule::Library, Basics::LogClass::DayFigures);
        }
    }
    return figures;
}

} // namespace PosLib
