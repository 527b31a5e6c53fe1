#pragma once

#include "veltrumpe.h"

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QString>

#include <memory>

class QLibrary;

namespace Crystal {

// The print engine, loaded at run time. The engine file is looked for in
// the configured directory (a folder name as the configuration holds it,
// with or without a trailing "/" or "\"), then by its plain name as the
// system looks libraries up. Loading is tried once: a failure is
// remembered, and every later call fails at once without a new attempt.
// Entry points are looked up by name the first time they are called,
// under a lock, and kept.
//
// When the engine cannot be loaded, every call fails quietly: the
// parameter count reads PE_NO_FIELDS (0xFFFF), the others false, 0, -1 or
// a null text.
class TPrintEngine
{
public:
    // "libveltrumpe.so" (the file name on this system).
    static QString engineFileName();
    // "veltrumpe", for the look-up by plain name.
    static QString enginePlainName();
    // The engine file in a configured directory; empty when it is empty.
    static QString enginePath(const QString &directory);

    explicit TPrintEngine(const QString &directory, const QString &plainName = enginePlainName());
    ~TPrintEngine();
    TPrintEngine(const TPrintEngine &) = delete;
    TPrintEngine &operator=(const TPrintEngine &) = delete;

    // The loader of this process, made with the directory of its first
    // caller; later callers share it, whatever directory they name.
    static TPrintEngine &process(const QString &directory);

    // Loads the engine on the first call; true when it is loaded.
    bool load();
    bool isLoaded() const;
    // True once loading has failed.
    bool hasFailed() const;
    // How often loading was tried: never more than once.
    int attempts() const;
    // The file that was loaded.
    QString loadedFile() const;

    unsigned short PEGetNParameterFields(short job);
    bool PEGetNthParameterField(short job, short n, PEParameterFieldInfo *info);
    bool PESetNthParameterField(short job, short n, const PEParameterFieldInfo *info);
    short PEOpenPrintJob(const QString &reportFile);
    bool PEClosePrintJob(short job);
    bool PESetDataDirectory(short job, const QString &directory);
    bool PESetLanguageFiles(short job, const QString &file, const QString &defaultFile);
    bool PEStartPrintJob(short job);
    // A rendered part of the job; a null text when there is none.
    QString PEGetOutput(short job, int part);
    // The job's last mistake (job 0: of the last PEOpenPrintJob).
    QString PEGetErrorText(short job);

private:
    // The entry point of that name; null when the engine or the name is
    // missing.
    QFunctionPointer entry(const char *name);
    template<class F>
    F function(const char *name)
    {
        return reinterpret_cast<F>(entry(name));
    }

    mutable QMutex m_mutex;
    QString m_directory;
    QString m_plainName;
    std::unique_ptr<QLibrary> m_library;
    bool m_tried = false;
    bool m_failed = false;
    int m_attempts = 0;
    QHash<QByteArray, QFunctionPointer> m_entries;
};

} // namespace Crystal
