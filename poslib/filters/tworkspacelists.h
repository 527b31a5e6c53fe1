#pragma once

#include "tvalue.h"

#include <QHash>
#include <QString>

#include <memory>

namespace PosLib {

// The named master-data lists of an installation as the back office keeps
// them loaded: "waiters", "terminals", "currencies", "outlets",
// "sumoutlets", "sumfilters", "sumbatches", each from its file in
// "usr/data". A list whose file is missing (or unreadable) does not exist.
class TWorkspaceLists
{
public:
    explicit TWorkspaceLists(const QString &root);
    ~TWorkspaceLists();

    QString root() const { return m_root; }
    // The loaded list, or null when it has no file. Loaded on first use.
    Basics::TValueList *get(const QString &name);
    // Drops every loaded list, e.g. after the installation path changed.
    void clear();

    static QStringList names();
    static QString fileNameOf(const QString &name);

private:
    QString m_root;
    QHash<QString, std::shared_ptr<Basics::TValueList>> m_lists;
};

} // namespace PosLib
