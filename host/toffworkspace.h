#pragma once

#include "toffdocdict.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <memory>

namespace Basics {
class TValueList;
}
namespace PosLib {
class TWorkspaceLists;
}

// What the back office works on: the installation base path, the
// master-data lists loaded from its "usr/data" and the documents.
class TOffWorkspace : public QObject
{
    Q_OBJECT
public:
    // Keys of the open-tables and paid-tables documents.
    static constexpr const char *docOpenTables = "opentables";
    static constexpr const char *docPaidTables = "paidtables";

    explicit TOffWorkspace(const QString &path, QObject *parent = nullptr);
    ~TOffWorkspace() override;

    // The installation base path, ending in "/".
    QString getPath() const { return m_path; }
    // Switches to another installation: drops the loaded lists and emits
    // pathChanged() when the path is a different one.
    void setPath(const QString &path);

    // The named list ("waiters", "terminals", "currencies", "outlets",
    // "sumoutlets", "sumfilters", "sumbatches"), loaded on first use and
    // owned by the workspace; null for an unknown name or a missing file.
    Basics::TValueList *getData(const QString &name);
    // Puts a list under the name and takes it over (an empty list for a
    // file that does not exist yet, which its document then saves). Only
    // for a name whose getData() is null: a list there before is deleted.
    void setData(const QString &name, Basics::TValueList *list);
    // Drops the loaded lists, so that the next getData reads the files again.
    void reloadData();
    // The lists behind getData(), for the report runs that share them.
    PosLib::TWorkspaceLists *lists() const { return m_lists.get(); }

    TOffDocDict &documents() { return *m_documents; }
    TOffDocument *get(const QString &key) const { return m_documents->find(key); }

Q_SIGNALS:
    void pathChanged(const QString &path);
    // A closing of `day` went through: every view of the current day and of
    // the closings reads its figures again.
    void dayClosed(const QDate &day);

private:
    QString m_path;
    std::unique_ptr<PosLib::TWorkspaceLists> m_lists;
    TOffDocDict *m_documents;
};
