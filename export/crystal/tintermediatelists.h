#pragma once

#include "tvalue.h"

#include <QDate>
#include <QHash>
#include <QStringList>

#include <functional>
#include <memory>

namespace PosLib {
class TSumFilter;
class TTable;
} // namespace PosLib

namespace Crystal {

// What an export of report data covers, and the texts of its "infos"
// record that come from the back office's configuration.
struct TExportRequest
{
    QDate from; // invalid: the paid tables of the current, not yet closed day
    QDate to; // invalid with a valid `from`: that single day
    QDate today; // the current business day ("rep_date" of its tables)
    const PosLib::TSumFilter *filter = nullptr; // null: every table and entry
    int filterId = 0;
    QString filterName;
    int outlet = 0; // number in "sumoutlets"; 0 none
    // The terminals' data paths ("outlets"), to name the outlet of a path.
    const Basics::TValueList *dataOutlets = nullptr;
    QString language;
    QString user;
    QString terminal;
    QString logo;
    QStringList headers; // header 1 … 3; empty texts are left out
    QStringList footers;
};

// The intermediate lists of an export, built from the tables of one data
// path after another: "tables" (a record per table that passes the
// filter's table test), "creates" (its creation record), "orders",
// "voids", "pays" (without voided payments) and "splits" (the entries that
// pass the entry test), and "infos" (one record on the export). Every
// record derived from a table carries the table's "ref_table", a number
// that runs through the whole export, so records of several data paths
// never share one; "id" numbers the records of each list the same way.
//
// Records copy the table header or the entry as stored, "count" written
// with "." for ",", and add "maxamount": the table amount, the order line
// (price with add-ons times count, rounded half up) or the entry's
// "amount", in whole cents.
class TIntermediateLists
{
public:
    // Called once per table walked: position (from 1) and count.
    using Progress = std::function<void(int step, int count)>;

    explicit TIntermediateLists(const TExportRequest &request);
    ~TIntermediateLists();

    // "tables", "creates", "orders", "voids", "pays", "infos", "splits".
    static QStringList names();

    // Builds the lists of one data path (an installation root), replacing
    // what the previous path built; the numbering goes on.
    void build(const QString &path, const Progress &progress = {});

    // The list of that name from the last build; null for another name.
    Basics::TValueList *list(const QString &name) const;

    // Where the records go instead of the lists (which then stay empty):
    // each once it is whole, in the order of its list.
    using Sink = std::function<void(const QString &list, const Basics::TValue &record)>;
    void setSink(Sink sink) { m_sink = std::move(sink); }

    // The "infos" record of a data path: the request's texts, filter,
    // range and the installation's address record.
    Basics::TValue *infos(const QString &path) const;

private:
    void addTable(PosLib::TTable &table, const QDate &day, const QString &path, int outletId,
                  const QString &outletName);
    // A record of the list copied from `source`, numbered and linked.
    std::unique_ptr<Basics::TValue> record(const QString &list, const Basics::TValue &source,
                                           int ref);
    // Into the list, or to the sink.
    void keep(const QString &list, std::unique_ptr<Basics::TValue> record);
    void outletOf(const QString &path, int &id, QString &name) const;

    TExportRequest m_request;
    QHash<QString, std::shared_ptr<Basics::TValueList>> m_lists;
    QHash<QString, int> m_lastId;
    int m_lastRef = 0;
    Sink m_sink;
};

// Writes the intermediate lists of the data paths into `directory`, one
// "<list>.txt" each: removes the intermediate files first, then builds the
// lists path by path, the records of each path appended to the files of
// the paths before (layouts as the report ini's section "default" names
// them, keyed by list; missing ones write every column). Throws the
// TFileError of a file that cannot be removed or written. Returns the
// number of records written per list.
QHash<QString, int> exportIntermediateLists(const TExportRequest &request, const QStringList &paths,
                                            const QString &directory,
                                            const QHash<QString, QString> &layouts = {},
                                            const TIntermediateLists::Progress &progress = {});

} // namespace Crystal
