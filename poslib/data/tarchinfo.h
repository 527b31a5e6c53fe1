#pragma once

#include "tfile.h"
#include "tvalue.h"

#include <QHash>
#include <QMultiMap>

namespace PosLib {

class TTable;

// One line of the archive index: "ad", "fn", "terminal", "termname",
// "center", "centername", "waiter", "waitername", "table", "party",
// "archive", "billnum", "maxamount", all text.
class TArchInfo : public Basics::TValue
{
public:
    static const QStringList &fieldNames();

    // The fields joined by ETX (0x03), without the line end.
    QString toLine() const;
    static TArchInfo *fromLine(const QString &line);
    // Archiving time and terminal: the order of the index.
    QString sortKey() const;
};

// The index of the paid tables of the current day, "var/.archives": one
// line per table, kept in archiving order. The terminals append lines
// when they archive a table; the day closing rebuilds it.
class TArchInfos
{
public:
    explicit TArchInfos(const QString &root);
    ~TArchInfos();
    TArchInfos(const TArchInfos &) = delete;
    TArchInfos &operator=(const TArchInfos &) = delete;

    QString filePath() const { return m_path; }
    int count() const { return int(m_byName.size()); }
    TArchInfo *find(const QString &fileName) const { return m_byName.value(fileName); }
    // Records in index order.
    QList<TArchInfo *> records() const { return m_sorted.values(); }

    TArchInfo *add(TTable *table);
    // Reads lines from `offset` on; a line whose "fn" is known is dropped.
    void load(qint64 offset = 0);
    void save();
    // Builds the index anew from the files in "var/archives", keeping the
    // lines that terminals appended meanwhile.
    void rebuild();
    void clear();

private:
    void insert(TArchInfo *info);
    void open(Basics::TFile &file, int mode);

    QString m_root;
    QString m_path;
    QHash<QString, TArchInfo *> m_byName;
    // Tables archived in the same second on the same terminal all stay.
    QMultiMap<QString, TArchInfo *> m_sorted;
};

} // namespace PosLib
