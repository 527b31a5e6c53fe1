#pragma once

#include "tdemooptions.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace PosLib {

// What a demo run wrote.
struct TDemoSummary
{
    int closedDays = 0;
    int closedTables = 0; // in the day folders of "var/statist"
    int daySummaries = 0; // files in "var/summary"
    int paidTables = 0; // today's, in "var/archives"
    int indexedTables = 0; // lines of "var/.archives" (nulled tables are left out)
    int openTables = 0; // in "var/tables"
    int heldTables = 0; // markers in "var/activetables"
    int timeControlDays = 0; // day files in "var/control"
    int lists = 0; // ".dat" lists in "usr/data"
    qint64 entries = 0; // table entries written, children included
    long nextZ = 0; // "z" of "var/statist/zcount.dat"
};

// Writes a complete installation of a restaurant: the settings and master
// data lists, summary filters and batches, "etc/reports.ini" and
// "etc/globals.ini", the closed days in "var/statist" with their Z numbers,
// journals and day summaries (all but the last closed day, whose summary a
// report has to build), today's paid tables with the archive index, the
// open tables with one held by a terminal, and the time controls of every
// day. Every table balances: its non-voided pays cover its total.
//
// Everything derives from the options: the same options give the same
// files byte for byte. Tables are written day by day and released, so a
// year of tables needs no more memory than one table.
class TDemoInstallation
{
public:
    explicit TDemoInstallation(const TDemoOptions &options);

    const TDemoOptions &options() const { return m_options; }

    // Writes the installation under `root` (created when missing); files
    // of an earlier run are replaced. Throws the TError family.
    TDemoSummary write(const QString &root);

    // The file that marks a directory as written by a demo run.
    static QString markerName() { return QStringLiteral("demo.ini"); }
    static bool isDemo(const QString &root);
    // Deletes the files a demo run writes under `root`, and the folders it
    // made when they are empty afterwards; anything else stays. Throws
    // TFileError when a file cannot be deleted.
    static void remove(const QString &root);
    // The list files a demo run writes into "usr/data".
    static QStringList listFiles();

private:
    TDemoOptions m_options;
};

} // namespace PosLib
