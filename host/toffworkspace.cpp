#include "toffworkspace.h"

#include "tworkspacelists.h"

#include <QDir>

namespace {

QString basePath(const QString &path)
{
    QString base = QDir::fromNativeSeparators(path.isEmpty() ? QDir::currentPath() : path);
    base = QDir(base).absolutePath();
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return base;
}

} // namespace

TOffWorkspace::TOffWorkspace(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(basePath(path))
    , m_lists(std::make_unique<PosLib::TWorkspaceLists>(m_path,
                                                        PosLib::TWorkspaceLists::OnDamage::Notice))
    , m_documents(new TOffDocDict(this))
{ }

TOffWorkspace::~TOffWorkspace()
{
    // Documents may still look at the lists while they go.
    m_documents->clear();
}

void TOffWorkspace::setPath(const QString &path)
{
    const QString base = basePath(path);
    if (base == m_path)
        return;
    m_path = base;
    m_lists = std::make_unique<PosLib::TWorkspaceLists>(m_path,
                                                        PosLib::TWorkspaceLists::OnDamage::Notice);
    emit pathChanged(m_path);
}

Basics::TValueList *TOffWorkspace::getData(const QString &name)
{
    return m_lists->get(name);
}

void TOffWorkspace::setData(const QString &name, Basics::TValueList *list)
{
    m_lists->set(name, list);
}

void TOffWorkspace::reloadData()
{
    m_lists->clear();
}
