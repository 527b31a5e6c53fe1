#include "tworkspacelists.h"

#include "tcurrencies.h"
#include "terror.h"
#include "tfamgroups.h"
#include "tfilenotices.h"
#include "tinstallation.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "tmasterlist.h"
#include "toutlets.h"
#include "tsumbatch.h"
#include "tsumfilters.h"
#include "twaiters.h"

using namespace Basics;

namespace PosLib {

namespace {

// A plain list stored under a file of its own.
class TNamedList : public TValueList
{
public:
    TNamedList(const QString &list, const QString &file, const QString &element)
        : m_list(list)
        , m_file(file)
        , m_element(element)
    { }
    QString listName() const override { return m_list; }
    QString fileName() const override { return m_file; }
    QString elementName() const override { return m_element; }

private:
    QString m_list;
    QString m_file;
    QString m_element;
};

// The outlet tree of the summary reports.
class TSumOutlets : public OutletsLib::TOutlets
{
public:
    QString listName() const override { return QStringLiteral("sumoutlets"); }
    QString fileName() const override { return QStringLiteral("sumoutlets.dat"); }
    QString elementName() const override { return QStringLiteral("sumoutlet"); }
};

TValueList *makeList(const QString &name)
{
    if (name == QLatin1String("waiters"))
        return new TWaiters;
    if (name == QLatin1String("terminals"))
        return new TNamedList(name, QStringLiteral("terminals.dat"), QStringLiteral("terminal"));
    if (name == QLatin1String("currencies"))
        return new TCurrencies;
    if (name == QLatin1String("outlets"))
        return new OutletsLib::TOutlets;
    if (name == QLatin1String("sumoutlets"))
        return new TSumOutlets;
    if (name == QLatin1String("sumfilters"))
        return new TSumFilters;
    if (name == QLatin1String("sumbatches"))
        return new TSumBatches;
    if (name == QLatin1String("famgroups"))
        return new TFamGroups;
    // the selections of the filter dialogs
    if (name == QLatin1String("costcenters"))
        return new TNamedList(name, QStringLiteral("centers.dat"), QStringLiteral("center"));
    for (const char *plain : {"tablecfgs", "articles", "families", "payforms", "vatrates"}) {
        if (name == QLatin1String(plain)) {
            // "families" has the element "family", the others drop the "s"
            const QString element = name == QLatin1String("families") ? QStringLiteral("family")
                                                                      : name.left(name.size() - 1);
            return new TNamedList(name, name + QStringLiteral(".dat"), element);
        }
    }
    return nullptr;
}

} // namespace

TWorkspaceLists::TWorkspaceLists(const QString &root, OnDamage onDamage)
    : m_root(root)
    , m_onDamage(onDamage)
{ }

TWorkspaceLists::~TWorkspaceLists() = default;

QStringList TWorkspaceLists::names()
{
    return {QStringLiteral("waiters"),     QStringLiteral("terminals"),
            QStringLiteral("currencies"),  QStringLiteral("outlets"),
            QStringLiteral("sumoutlets"),  QStringLiteral("sumfilters"),
            QStringLiteral("sumbatches"),  QStringLiteral("famgroups"),
            QStringLiteral("costcenters"), QStringLiteral("tablecfgs"),
            QStringLiteral("articles"),    QStringLiteral("families"),
            QStringLiteral("payforms"),    QStringLiteral("vatrates")};
}

QString TWorkspaceLists::fileNameOf(const QString &name)
{
    std::unique_ptr<TValueList> list(makeList(name));
    return list ? list->fileName() : QString();
}

void TWorkspaceLists::set(const QString &name, TValueList *list)
{
    m_lists.insert(name, std::shared_ptr<TValueList>(list));
}

void TWorkspaceLists::clear()
{
    m_lists.clear();
}

TValueList *TWorkspaceLists::get(const QString &name)
{
    auto it = m_lists.constFind(name);
    if (it != m_lists.cend())
        return it.value().get();
    std::shared_ptr<TValueList> list(makeList(name));
    if (list) {
        try {
            if (!loadMasterList(*list, m_root))
                list.reset();
        } catch (const TError &e) {
            if (m_onDamage == OnDamage::Throw)
                throw;
            logError(e.text(), LogModule::Library, LogClass::WorkspaceLists);
            TFileNotices::instance().post(userText(e));
            list.reset();
        }
    }
    m_lists.insert(name, list);
    return list.get();
}

} // namespace PosLib
