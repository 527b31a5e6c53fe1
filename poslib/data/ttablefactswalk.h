#pragma once

#include "ttablefacts.h"
#include "ttablelist.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace PosLib {

// The markers of the open tables that terminals hold ("T<table>P<party>.
// <terminal>" in "var/activetables"), listed once per folder instead of
// once per table: held() answers as TTable::checkHeld() does.
class THeldTables
{
public:
    // Whether a marker of the table lies in the markers folder of `root`;
    // `terminal` is the holder's number from the first marker by name.
    bool held(const QString &root, long table, int party, int *terminal = nullptr);

private:
    QHash<QString, QStringList> m_markers;
};

// Walks the table files of a listing as TTableIterator walks their list
// for a report (every table visible, held and unreadable tables left out),
// reading each table file's records straight into facts instead of loading
// the table: the facts are those TTableFacts::take() gives of the loaded
// table, with the table and party (or archive) numbers of the file's name
// in the header. The facts returned point into the walk's bytes and last
// until the next call.
class TTableFactsWalk
{
public:
    // `files` must outlive the walk.
    TTableFactsWalk(const TTableFiles &files, bool withEntries);

    // The next table's facts; null after the last.
    const TTableFacts *next();
    // Position in the listing (from 1) of the table returned last.
    int position() const { return m_index; }
    // The file of the table returned last.
    const QString &filePath() const { return m_path; }

private:
    // Reads the table's file into the walk's bytes and its records into the
    // facts; false when it is no table to report.
    bool read();
    const TTableFiles &m_files;
    int m_index = 0;
    bool m_withEntries;
    // the folder of the files, asked of the installation once
    QString m_dir;
    QString m_path;
    THeldTables m_held;
    QByteArray m_bytes;
    TTableFacts m_facts;
};

} // namespace PosLib
