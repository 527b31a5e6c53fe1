#include "toffmodule.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

TOffModule::TOffModule() = default;

// The QLibrary object goes, the library stays loaded: QLibrary unloads only
// on an explicit unload().
TOffModule::~TOffModule() = default;

QString TOffModule::libraryFileName(const QString &baseName)
{
#if defined(Q_OS_WIN)
    return baseName + QStringLiteral(".dll");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("lib") + baseName + QStringLiteral(".dylib");
#else
    return QStringLiteral("lib") + baseName + QStringLiteral(".so");
#endif
}

QString TOffModule::locate(const QString &name, const QString &programDir)
{
    const QStringList candidates = {QDir(programDir).filePath(name),
                                    QDir(programDir).filePath(QStringLiteral("../lib/") + name),
                                    QDir::current().filePath(name)};
    for (const QString &candidate : candidates)
        if (QFileInfo(candidate).isFile())
            return QFileInfo(candidate).canonicalFilePath();
    return QString();
}

bool TOffModule::load(const QString &fileName)
{
    m_fileName = fileName;
    m_library = std::make_unique<QLibrary>(fileName);
    if (!m_library->load()) {
        m_error = m_library->errorString();
        return false;
    }
    struct Export
    {
        const char *name;
        QFunctionPointer *target;
    };
    QFunctionPointer found[7] = {};
    const Export exports[]
            = {{"initModule", &found[0]}, {"doneModule", &found[1]}, {"initMenu", &found[2]},
               {"doneMenu", &found[3]},   {"getPixmap", &found[4]},  {"getVersion", &found[5]},
               {"CallMethod", &found[6]}};
    for (const Export &entry : exports) {
        *entry.target = m_library->resolve(entry.name);
        if (!*entry.target) {
            m_error = QStringLiteral("%1: no export %2").arg(fileName, QLatin1String(entry.name));
            return false;
        }
    }
    m_initModule = reinterpret_cast<InitModule>(found[0]);
    m_doneModule = reinterpret_cast<DoneModule>(found[1]);
    m_initMenu = reinterpret_cast<InitMenu>(found[2]);
    m_doneMenu = reinterpret_cast<DoneMenu>(found[3]);
    m_getPixmap = reinterpret_cast<GetPixmap>(found[4]);
    m_getVersion = reinterpret_cast<GetVersion>(found[5]);
    m_callMethod = reinterpret_cast<CallMethod>(found[6]);
    return true;
}

void *TOffModule::initModule(TOffWindow *window) const
{
    return m_initModule ? m_initModule(window) : nullptr;
}

void TOffModule::doneModule() const
{
    if (m_doneModule)
        m_doneModule();
}

void TOffModule::initMenu() const
{
    if (m_initMenu)
        m_initMenu();
}

void TOffModule::doneMenu() const
{
    if (m_doneMenu)
        m_doneMenu();
}

void TOffModule::getPixmap(QPixmap &pixmap) const
{
    if (m_getPixmap)
        m_getPixmap(pixmap);
}

void TOffModule::getVersion(QString &version) const
{
    if (m_getVersion)
        m_getVersion(version);
}

void TOffModule::callMethod(const QString &slot) const
{
    if (m_callMethod)
        m_callMethod(slot);
}
