#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

namespace PosLib {

// What `veltrum export bookings` and the window's export ask for.
struct TBookingsRequest
{
    QString root; // the installation, with "/"
    QDate from;
    QDate to;
    QString chart; // "skr03", "skr04"; empty: the mapping file's choice
    // An existing folder, or a name ending in "/" (made when missing):
    // each batch goes there under its own name
    // (EXTF_Buchungsstapel_<from>_<to>.csv). Otherwise the file of the
    // batch; when the range spans two fiscal years, each batch's name is
    // this one with "_<from>_<to>" before its extension.
    QString output;
    bool force = false; // replace days exported before with other bookings
    QDateTime now; // the clock of the header; invalid: the current time
};

// One batch file written.
struct TBookingsFile
{
    QString path;
    QDate from;
    QDate to;
    int days = 0; // closed days in it
    int bookings = 0;
    bool again = false; // every day was exported before, with the same bytes
};

// Exports the bookings of the closed days of a range: one booking batch per
// fiscal year, written through the safe replace, and the days recorded in
// the installation's record of exported days. Days without a closing are
// not exported (the current day never is).
class TBookingsExport
{
    Q_DECLARE_TR_FUNCTIONS(TBookingsExport)
public:
    // Called before each day is read: the day, its number and the count.
    using Progress = std::function<void(const QDate &day, int index, int count)>;
    void setProgress(Progress progress) { m_progress = std::move(progress); }
    // Asked before each day is read; false stops the export before anything
    // is written (run() then fails with "cancelled").
    void setKeepGoing(std::function<bool()> keepGoing) { m_keepGoing = std::move(keepGoing); }

    // False, with `error` naming the day, file or key and why, when
    // nothing or not everything could be written: no closed day in the
    // range, a mapping file missing or wrong, a closing that does not
    // verify, a text Windows-1252 cannot hold (with its line), a day
    // exported before with other bookings (without `force`), a file that
    // cannot be written. `files` then lists what was written before the
    // failure, if anything.
    bool run(const TBookingsRequest &request, QList<TBookingsFile> *files, QString *error);

    // The first day of the fiscal year that `day` lies in, for a fiscal
    // year starting on `month`-`dayOfMonth`.
    static QDate fiscalYearStart(const QDate &day, int month, int dayOfMonth);
    // "bookings.csv" with "_20241201_20241231" before the extension.
    static QString partName(const QString &path, const QDate &from, const QDate &to);
    static QString defaultName(const QDate &from, const QDate &to);

private:
    Progress m_progress;
    std::function<bool()> m_keepGoing;
};

} // namespace PosLib
