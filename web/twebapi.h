#pragma once

#include "twebsite.h"
#include "twebsource.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace PosLib {
class TCurrencies;
class TWorkspaceLists;
struct TDayFigures;
} // namespace PosLib

namespace WebLib {

// The JSON API of the web view (docs/web-api.md), answered on the report
// thread from what the back office and the command line compute: today's
// figures of the "Today" panel, the open tables, the report kinds, the
// closings; the reports, Z reports and chain reports as the commands
// write them (TWebReports). Nothing here writes into the installation.
class TWebApi
{
    Q_DECLARE_TR_FUNCTIONS(TWebApi)
public:
    explicit TWebApi(const TWebSource &source);

    // Every route with the parameters it takes.
    static QList<TApiRoute> routes();

    TWebResponse answer(const TApiCall &call);

    // The answers, one per route.
    TWebResponse today(const TApiCall &call);
    TWebResponse openTables(const TApiCall &call);
    TWebResponse kinds(const TApiCall &call);
    TWebResponse closings(const TApiCall &call);

    // Today's figures against the same weekday last week up to the same
    // time, in short sentences (a head naming that day, then one per
    // figure with the change in percent); empty when that day had nothing.
    static QStringList comparisonTexts(const PosLib::TDayFigures &f,
                                       const PosLib::TCurrencies *currencies);

private:
    QDateTime now() const;
    // The current day's exceptions as short texts ({"text": ...}).
    QJsonArray todaysExceptions(PosLib::TWorkspaceLists &lists, const QDateTime &at) const;

    TWebSource m_source;
};

} // namespace WebLib
