#pragma once

#include "tvalue.h"

#include <QHash>
#include <QString>

#include <memory>

namespace PosLib {

// The named master-data lists of an installation as the back office keeps
// them loaded: "waiters", "terminals", "currencies", "outlets",
// "sumoutlets", "sumfilters", "sumbatches", and for the filter dialogs'
// selections "costcenters" ("centers.dat"), "tablecfgs", "articles",
// "families", "famgroups", "payforms" and "vatrates", each from its file
// in "usr/data". A list whose file is missing does not exist, until one is
// put in its place with set(). A list whose file is there but damaged or
// unreadable is never taken for a missing one: get() throws the TFileError
// naming the file (a command stops on it), or, for a window that shows
// such news in its status line, logs it, posts it as a file notice and
// leaves the list out.
class TWorkspaceLists
{
public:
    enum class OnDamage { Throw, Notice };
    explicit TWorkspaceLists(const QString &root, OnDamage onDamage = OnDamage::Throw);
    ~TWorkspaceLists();

    QString root() const { return m_root; }
    // The loaded list, or null when it has no file. Loaded on first use.
    Basics::TValueList *get(const QString &name);
    // Puts a list under the name and takes it over, e.g. an empty list for
    // a file that its document creates on saving. A list that was there
    // before is deleted: only replace a name that get() found missing.
    void set(const QString &name, Basics::TValueList *list);
    // Drops every loaded list, e.g. after the installation path changed.
    void clear();

    static QStringList names();
    static QString fileNameOf(const QString &name);

private:
    QString m_root;
    OnDamage m_onDamage;
    QHash<QString, std::shared_ptr<Basics::TValueList>> m_lists;
};

} // namespace PosLib
