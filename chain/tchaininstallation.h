#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QTemporaryDir>

namespace ChainLib {

class TChainDb;

// An outlet of the chain database.
struct TChainOutlet
{
    int officeId = 0;
    QString name;
};

// The outlets the database holds, in office order; false with `error`.
bool chainOutlets(TChainDb &db, QList<TChainOutlet> &outlets, QString *error = nullptr);

// A temporary installation holding closed days as the chain database
// stores them, for the local report engine to read: the report files
// (master data, settings, "etc/reports.ini", layouts) of one outlet, and
// for every day of the range the day summaries of the chosen outlets one
// after another in office order, as "var/summary/yyyy-MM-dd.dat". A
// summary of one outlet is the outlet's own file byte for byte, so a report
// over it prints what the outlet's own report prints. Removed with the
// object.
class TChainInstallation
{
public:
    TChainInstallation();

    // Absolute, ending in "/"; empty when the directory could not be made.
    QString root() const;

    // Fills the installation: the report files of `outlets.first()`, the
    // day summaries of all of them from `from` to `to`. A non-empty `name`
    // replaces the installation name of the record (what the report's
    // header shows). False with `error`.
    // Without `summaries` only the report files are written: the days then
    // come from elsewhere (TChainDaySource).
    bool fill(TChainDb &db, const QList<int> &outlets, const QDate &from, const QDate &to,
              const QString &name, bool summaries, QString *error = nullptr);

    // What fill() read: days with data, and their bytes.
    int days() const { return m_days; }
    qint64 bytes() const { return m_bytes; }

private:
    QTemporaryDir m_dir;
    int m_days = 0;
    qint64 m_bytes = 0;
};

} // namespace ChainLib
