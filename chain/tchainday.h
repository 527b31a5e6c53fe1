#pragma once

#include <QByteArray>
#include <QDate>
#include <QJsonArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace ChainLib {

// An aggregate of a day as the report engine reads it, stored per outlet,
// day and kind.
struct TChainAggregate
{
    QString kind;
    int format = 0;
    QByteArray data;
};

// A file of the installation that the reports are written with.
struct TChainFile
{
    QString path; // relative to the installation: "usr/data/articles.dat"
    QByteArray data;
};

// Everything one closed day of one installation sends to the chain
// database, read from the installation's files.
struct TChainDayData
{
    int officeId = 0;
    QString installationName;
    QDate day;
    long dayZ = 0;
    int billCount = 0;
    qint64 amount = 0; // cents, the order lines of the day's bills
    QJsonArray closings; // rows of "closings"
    QJsonArray bills; // rows of "bills"
    QJsonArray entries; // rows of "bill_entries"
    QList<TChainAggregate> aggregates;
    QList<TChainFile> files;
};

// The kind of aggregate that holds the day summary ("var/summary/
// yyyy-MM-dd.dat") as it is: every table of the day, read by the report
// engine like the local day summary.
constexpr const char *DaySummaryKind = "daysummary";
constexpr int DaySummaryFormat = 1;

// The kind of aggregate that holds the day's groups as the report engine
// adds them up (PosLib::TDayAggregate, format = its version), without
// options (no filter, report waiter, turnover or trainee choice, credits
// kept): "groups/waiters" or "groups/costcenters", with "/records" for the
// groups that keep a row per pay or void and "/cash" for those that keep a
// row per cash and balance record.
QString groupsKind(const QString &side, bool records, bool cashRecords);
// Every kind of groups a day keeps.
QStringList groupsKinds();

// Reads closed day `day` of the installation `root`: the installation
// record, the day's closing records and bills with their entries, the day
// summary (built first when it is missing or older than a bill) and the
// report files. False with `error` when the day was never closed or a file
// cannot be read.
bool readChainDay(const QString &root, const QDate &day, TChainDayData &data,
                  QString *error = nullptr);

// The report files of `root` (see TChainFile), in path order.
QList<TChainFile> reportFiles(const QString &root);

} // namespace ChainLib
