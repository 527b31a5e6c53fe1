#pragma once

#include "ttable.h"
#include "tvalue.h"

#include <QDate>
#include <QList>

#include <functional>
#include <memory>

#include <vector>

namespace PosLib {

// A list of table files (TTableInfo records, owned), numbered in the order
// of the directory listing.
class TTableList : public Basics::TValueList
{
    Q_OBJECT
public:
    explicit TTableList(QObject *parent = nullptr);
    Basics::TValue *newValue() override;

    TTableInfo *info(int id) const { return static_cast<TTableInfo *>(find(id)); }
};

// The table files of a folder as its listing names them, in its order,
// without a record per file: an open table's numbers, or a paid table's
// archive number.
struct TTableFiles
{
    enum Kind {
        Open, // "t<table>.<party>" of "var/tables"
        Paid, // "a<archive>" of "var/archives"
        PaidOfDay, // "a<archive>" of a closed day's statistics folder
    };
    struct File
    {
        long number = 0; // the table, or the archive
        int party = 0;
    };
    Kind kind = Open;
    QDate day; // of PaidOfDay
    QString root;
    std::vector<File> files;

    int count() const { return int(files.size()); }
    bool isEmpty() const { return files.empty(); }
    // The records of the same files (TTableInfo), numbered from 1 in this
    // order: the list activeTables(), archiveTables() or dayTables() gives.
    TTableList *list() const;
};
TTableFiles activeTableFiles(const QString &root);
TTableFiles archiveTableFiles(const QString &root);
TTableFiles dayTableFiles(const QString &root, const QDate &day);

// The open tables: every "t<table>.<party>" of "var/tables".
TTableList *activeTables(const QString &root);
// The paid tables of the current day: every "a<archive>" of "var/archives".
TTableList *archiveTables(const QString &root);
// The tables of a closed day: every "a<archive>" of its statistics folder.
TTableList *dayTables(const QString &root, const QDate &day);
// The paid tables a journal or an export covers, a day at a time: those of
// the closed days `from` … `to` (of `from` alone when `to` is invalid), or
// the current day's (archiveTables) when `from` is invalid. A day's records
// (TTableInfo) are made when its turn comes: a year's would take tens of MB.
class TPaidTableDays
{
public:
    TPaidTableDays(const QString &root, const QDate &from, const QDate &to);

    // The tables of all the days, as their folders list them now.
    int count() const { return m_count; }
    // Hands each table of the days to `visit` in turn, loaded with its
    // entries (TTableIterator, each released once passed), with its
    // position among all of them (from 1); calls `dayDone`, when given,
    // after each day. False when `visit` said to stop.
    bool forEachTable(const std::function<bool(TTable &table, int position)> &visit,
                      const std::function<void()> &dayDone = {}) const;

private:
    TTableFiles filesOf(const QDate &day) const;

    QString m_root;
    QList<QDate> m_days;
    int m_count = 0;
};

// Walks a table list, loading each table and skipping those that are held
// by a terminal or hidden from the owner (unless asked to include them).
// Tables that cannot be read are skipped too. Returned tables belong to
// their info in the list.
class TTableIterator
{
public:
    TTableIterator(TTableList *list, bool withEntries, int visibility, Basics::TValue *owner,
                   const QString &root);

    void setWaiters(Basics::TValueList *waiters) { m_waiters = waiters; }
    void setTeamCheck(int teamCheck) { m_teamCheck = teamCheck; }
    void setIncludeHeld(bool include) { m_includeHeld = include; }
    void setIncludeHidden(bool include) { m_includeHidden = include; }
    // Deletes each returned table when the iterator moves on, so a long
    // walk keeps one table in memory.
    void setReleasePassed(bool release) { m_releasePassed = release; }

    TTable *first();
    TTable *next();
    int count() const { return m_list->count(); }
    // Position in the list (from 1) of the table returned last.
    int position() const { return m_index; }

private:
    TTable *advance();

    TTableList *m_list;
    QList<int> m_ids;
    int m_index = 0;
    TTableInfo *m_current = nullptr;
    bool m_withEntries;
    int m_visibility;
    Basics::TValue *m_owner;
    QString m_root;
    Basics::TValueList *m_waiters = nullptr;
    int m_teamCheck = 0;
    bool m_includeHeld = false;
    bool m_includeHidden = false;
    bool m_releasePassed = false;
};

} // namespace PosLib
