#include "tprintengine.h"

#include "tlog.h"
#include "tlogcategories.h"

#include <QLibrary>
#include <QMutexLocker>

#include <functional>

namespace Crystal {

namespace {

// A text the engine copies out: asked for its size first, then fetched;
// null when the engine has none.
QString fetch(const std::function<int(char *, int)> &get)
{
    const int size = get(nullptr, 0);
    if (size <= 0)
        return QString();
    QByteArray bytes(size, '\0');
    get(bytes.data(), size);
    return QString::fromUtf8(bytes.constData(), size - 1);
}

} // namespace

QString TPrintEngine::engineFileName()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("veltrumpe.dll");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("libveltrumpe.dylib");
#else
    return QStringLiteral("libveltrumpe.so");
#endif
}

QString TPrintEngine::enginePlainName()
{
    return QStringLiteral("veltrumpe");
}

QString TPrintEngine::enginePath(const QString &directory)
{
    if (directory.isEmpty())
        return QString();
    // a folder as a registry or configuration keeps it: "…/lib" or "…/lib/"
    const bool separated
            = directory.endsWith(QLatin1Char('/')) || directory.endsWith(QLatin1Char('\\'));
    return directory + (separated ? QString() : QStringLiteral("/")) + engineFileName();
}

TPrintEngine::TPrintEngine(const QString &directory, const QString &plainName)
    : m_directory(directory)
    , m_plainName(plainName)
{ }

// The library stays loaded: jobs opened through it may still be in use by
// another loader of the process.
TPrintEngine::~TPrintEngine() = default;

TPrintEngine &TPrintEngine::process(const QString &directory)
{
    static TPrintEngine engine(directory);
    return engine;
}

bool TPrintEngine::load()
{
    QMutexLocker lock(&m_mutex);
    if (m_tried)
        return !m_failed;
    m_tried = true;
    ++m_attempts;

    // the configured directory first, then the plain name
    const QString path = enginePath(m_directory);
    QStringList tried;
    for (const QString &name : {path, m_plainName}) {
        if (name.isEmpty())
            continue;
        auto library = std::make_unique<QLibrary>(name);
        if (library->load()) {
            m_library = std::move(library);
            break;
        }
        tried << library->errorString();
    }
    if (!m_library) {
        m_failed = true;
        Basics::logDebug(
                QStringLiteral("Print engine not loaded: %1").arg(tried.join(QStringLiteral("; "))),
                Basics::LogModule::Library, Basics::LogClass::PrintEngine);
        return false;
    }
    m_entries.clear();
    const auto open = reinterpret_cast<PEOpenEngineFn>(m_library->resolve("PEOpenEngine"));
    if (!open || !open()) {
        Basics::logError(
                QStringLiteral("Print engine %1 could not be prepared").arg(m_library->fileName()),
                Basics::LogModule::Library, Basics::LogClass::PrintEngine);
        m_library->unload();
        m_library.reset();
        m_failed = true;
        return false;
    }
    return true;
}

bool TPrintEngine::isLoaded() const
{
    QMutexLocker lock(&m_mutex);
    return m_library != nullptr;
}

bool TPrintEngine::hasFailed() const
{
    QMutexLocker lock(&m_mutex);
    return m_failed;
}

int TPrintEngine::attempts() const
{
    QMutexLocker lock(&m_mutex);
    return m_attempts;
}

QString TPrintEngine::loadedFile() const
{
    QMutexLocker lock(&m_mutex);
    return m_library ? m_library->fileName() : QString();
}

QFunctionPointer TPrintEngine::entry(const char *name)
{
    if (!load())
        return nullptr;
    QMutexLocker lock(&m_mutex);
    const QByteArray key(name);
    auto it = m_entries.constFind(key);
    if (it != m_entries.constEnd())
        return it.value();
    const QFunctionPointer found = m_library->resolve(name);
    if (!found)
        Basics::logError(QStringLiteral("Print engine lacks %1").arg(QLatin1String(name)),
                         Basics::LogModule::Library, Basics::LogClass::PrintEngine);
    m_entries.insert(key, found);
    return found;
}

unsigned short TPrintEngine::PEGetNParameterFields(short job)
{
    const auto f = function<PEGetNParameterFieldsFn>("PEGetNParameterFields");
    return f ? f(job) : (unsigned short)(PE_NO_FIELDS);
}

bool TPrintEngine::PEGetNthParameterField(short job, short n, PEParameterFieldInfo *info)
{
    const auto f = function<PEGetNthParameterFieldFn>("PEGetNthParameterField");
    return f && f(job, n, info);
}

bool TPrintEngine::PESetNthParameterField(short job, short n, const PEParameterFieldInfo *info)
{
    const auto f = function<PESetNthParameterFieldFn>("PESetNthParameterField");
    return f && f(job, n, info);
}

short TPrintEngine::PEOpenPrintJob(const QString &reportFile)
{
    const auto f = function<PEOpenPrintJobFn>("PEOpenPrintJob");
    return f ? f(reportFile.toUtf8().constData()) : short(0);
}

bool TPrintEngine::PEClosePrintJob(short job)
{
    const auto f = function<PEClosePrintJobFn>("PEClosePrintJob");
    return f && f(job);
}

bool TPrintEngine::PESetDataDirectory(short job, const QString &directory)
{
    const auto f = function<PESetDataDirectoryFn>("PESetDataDirectory");
    return f && f(job, directory.toUtf8().constData());
}

bool TPrintEngine::PESetLanguageFiles(short job, const QString &file, const QString &defaultFile)
{
    const auto f = function<PESetLanguageFilesFn>("PESetLanguageFiles");
    return f && f(job, file.toUtf8().constData(), defaultFile.toUtf8().constData());
}

bool TPrintEngine::PEStartPrintJob(short job)
{
    const auto f = function<PEStartPrintJobFn>("PEStartPrintJob");
    return f && f(job);
}

QString TPrintEngine::PEGetOutput(short job, int part)
{
    const auto f = function<PEGetOutputFn>("PEGetOutput");
    if (!f)
        return QString();
    return fetch([&](char *buffer, int size) { return f(job, part, buffer, size); });
}

QString TPrintEngine::PEGetErrorText(short job)
{
    const auto f = function<PEGetErrorTextFn>("PEGetErrorText");
    if (!f)
        return QString();
    return fetch([&](char *buffer, int size) { return f(job, buffer, size); });
}

} // namespace Crystal
