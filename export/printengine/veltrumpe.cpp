// The C interface of the print engine over its jobs.

#include "veltrumpe.h"

#include "pefield.h"
#include "treportjob.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <cstring>
#include <memory>

using PrintEngine::copyField;
using PrintEngine::fieldText;
using PrintEngine::TReportJob;

namespace {

struct Engine
{
    QMutex mutex;
    QHash<short, std::shared_ptr<TReportJob>> jobs;
    short lastJob = 0;
    QString openError;
};

Engine &engine()
{
    static Engine e;
    return e;
}

std::shared_ptr<TReportJob> findJob(short job)
{
    Engine &e = engine();
    QMutexLocker lock(&e.mutex);
    return e.jobs.value(job);
}

int copyOut(const QString &text, char *buffer, int size)
{
    const QByteArray bytes = text.toUtf8();
    const int needed = int(bytes.size()) + 1;
    if (buffer && size > 0) {
        const int n = qMin(size - 1, int(bytes.size()));
        std::memcpy(buffer, bytes.constData(), size_t(n));
        buffer[n] = '\0';
    }
    return needed;
}

} // namespace

extern "C" {

PE_EXPORT bool PEOpenEngine(void)
{
    return true;
}

PE_EXPORT void PECloseEngine(void)
{
    Engine &e = engine();
    QMutexLocker lock(&e.mutex);
    e.jobs.clear();
}

PE_EXPORT short PEOpenPrintJob(const char *reportFile)
{
    auto job = std::make_shared<TReportJob>();
    const bool opened = reportFile && job->open(QString::fromUtf8(reportFile));
    Engine &e = engine();
    QMutexLocker lock(&e.mutex);
    if (!opened) {
        e.openError = reportFile ? job->errorText() : QStringLiteral("no report file");
        return 0;
    }
    // the next free number, 1 … 32767
    short number = e.lastJob;
    do {
        number = number >= 32767 ? 1 : short(number + 1);
    } while (e.jobs.contains(number));
    e.lastJob = number;
    e.jobs.insert(number, job);
    e.openError.clear();
    return number;
}

PE_EXPORT bool PEClosePrintJob(short job)
{
    Engine &e = engine();
    QMutexLocker lock(&e.mutex);
    return e.jobs.remove(job) > 0;
}

PE_EXPORT unsigned short PEGetNParameterFields(short job)
{
    const std::shared_ptr<TReportJob> j = findJob(job);
    return j ? (unsigned short)(j->fields().size()) : (unsigned short)(PE_NO_FIELDS);
}

PE_EXPORT bool PEGetNthParameterField(short job, short n, PEParameterFieldInfo *info)
{
    const std::shared_ptr<TReportJob> j = findJob(job);
    if (!j || !info || info->structSize < sizeof(PEParameterFieldInfo) || n < 0
        || n >= j->fields().size())
        return false;
    const TReportJob::Field &field = j->fields().at(n);
    copyField(info->name, PE_PF_NAME_LEN, field.name);
    copyField(info->defaultValue, PE_PF_VALUE_LEN, field.defaultValue);
    copyField(info->currentValue, PE_PF_VALUE_LEN, field.currentValue);
    info->currentValueSet = field.set ? 1 : 0;
    return true;
}

PE_EXPORT bool PESetNthParameterField(short job, short n, const PEParameterFieldInfo *info)
{
    const std::shared_ptr<TReportJob> j = findJob(job);
    if (!j || !info || info->structSize < sizeof(PEParameterFieldInfo) || n < 0
        || n >= j->fields().size())
        return false;
    const QString name = fieldText(info->name, PE_PF_NAME_LEN);
    if (!name.isEmpty() && name != j->fields().at(n).name)
        return false;
    return j->setField(n, fieldText(info->currentValue, PE_PF_VALUE_LEN));
}

PE_EXPORT bool PESetDataDirectory(short job, const char *directory)
{
    const std::shared_ptr<TReportJob> j = findJob(job);
    if (!j || !directory)
        return false;
    j->setDataDirectory(QString::fromUtf8(directory));
    return true;
}

PE_EXPORT bool PESetLanguageFiles(short job, const char *file, const char *defaultFile)
{
    const std::shared_ptr<TReportJob> j = findJob(job);
    if (!j)
        return false;
    j->setLanguageFiles(QString::fromUtf8(file ? file : ""),
                        QString::fromUtf8(defaultFile ? defaultFile : ""));
    return true;
}

PE_EXPORT bool PEStartPrintJob(short job)
{
    const std::shared_ptr<TReportJob> j = findJob(job);
    return j && j->start();
}

PE_EXPORT int PEGetOutput(short job, int part, char *buffer, int size)
{
    const std::shared_ptr<TReportJob> j = findJob(job);
    if (!j || !j->started())
        return -1;
    switch (part) {
    case PE_BODY:
        return copyOut(j->body(), buffer, size);
    case PE_PAGE_HEADER:
        return copyOut(j->pageHeader(), buffer, size);
    case PE_PAGE_FOOTER:
        return copyOut(j->pageFooter(), buffer, size);
    default:
        return -1;
    }
}

PE_EXPORT int PEGetErrorText(short job, char *buffer, int size)
{
    if (job == 0) {
        Engine &e = engine();
        QMutexLocker lock(&e.mutex);
        return copyOut(e.openError, buffer, size);
    }
    const std::shared_ptr<TReportJob> j = findJob(job);
    return j ? copyOut(j->errorText(), buffer, size) : -1;
}

} // extern "C"
