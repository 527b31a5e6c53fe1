#include "tauditexport.h"

#include "tauditbuilder.h"
#include "tauditcompany.h"
#include "tauditindex.h"
#include "tcloseddays.h"
#include "terror.h"
#include "tsavefile.h"
#include "tzipwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Basics;

namespace PosLib {

namespace {

// Writes `files` into the new folder `dir` through a folder beside it that
// takes its name only when every file is in place. Throws the file errors;
// false with `error` for a folder that cannot be made or renamed.
bool writeFolder(const QString &dir, const QList<QPair<QString, QByteArray>> &files, QString *error)
{
    QString target = QDir::cleanPath(dir);
    const QString partial
            = QStringLiteral("%1.part-%2").arg(target).arg(QCoreApplication::applicationPid());
    QDir(partial).removeRecursively();
    if (!QDir().mkpath(partial)) {
        *error = TAuditExport::tr("%1: the folder could not be made; nothing was written")
                         .arg(partial);
        return false;
    }
    try {
        for (const auto &file : files) {
            TSaveFile save(partial + QLatin1Char('/') + file.first);
            save.open();
            save.write(file.second);
            save.commit();
        }
    } catch (...) {
        QDir(partial).removeRecursively();
        throw;
    }
    // an empty folder of that name gives way; one with files was refused before
    if (QFileInfo(target).isDir())
        QDir().rmdir(target);
    if (!QDir().rename(partial, target)) {
        QDir(partial).removeRecursively();
        *error = TAuditExport::tr("%1: the files could not be moved into place; nothing was "
                                  "written")
                         .arg(target);
        return false;
    }
    return true;
}

} // namespace

bool TAuditExport::run(const TAuditRequest &request, TAuditResult *result, QString *error)
{
    *result = TAuditResult();
    if (!request.from.isValid() || !request.to.isValid() || request.from > request.to) {
        *error = tr("no valid range of days");
        return false;
    }
    const bool zip = request.output.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive);
    const QString target = zip ? request.output : QDir::cleanPath(request.output);
    if (!zip && QFileInfo(target).exists()) {
        if (!QFileInfo(target).isDir()) {
            *error = tr("%1: not a folder; name a new folder or a .zip file").arg(target);
            return false;
        }
        if (!QDir(target).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden
                                  | QDir::System)) {
            *error = tr("%1: the folder holds files already; name a new or empty folder, so "
                        "that the export is not mixed with others")
                             .arg(target);
            return false;
        }
    }
    if (zip && QFileInfo(target).isDir()) {
        *error = tr("%1: a folder of that name is there").arg(target);
        return false;
    }

    TAuditCompany company;
    if (!TAuditCompany::read(request.root, &company, error))
        return false;

    const TClosedDays closed(request.root);
    const QList<QDate> days = closed.days(request.from, request.to);
    if (days.isEmpty()) {
        *error = tr("no closed day from %1 to %2; nothing was written")
                         .arg(request.from.toString(Qt::ISODate), request.to.toString(Qt::ISODate));
        return false;
    }
    TAuditBuilder builder(company);
    for (int i = 0; i < days.size(); ++i) {
        if (m_progress)
            m_progress(days.at(i), i, int(days.size()));
        TClosedDay day;
        if (!closed.load(days.at(i), &day, error)) {
            *error = tr("%1; nothing was written").arg(*error);
            return false;
        }
        builder.addDay(day);
    }

    QList<QPair<QString, QByteArray>> files;
    for (const TAuditTable &table : builder.tables())
        files.append({table.file, table.csv()});
    const TAuditSupplier supplier {
            company.name, QStringLiteral("%1 %2").arg(company.zip, company.city),
            QStringLiteral("Kassendaten %1 bis %2; ohne Daten einer Sicherheitseinrichtung "
                           "(die Terminals verzeichnen keine)")
                    .arg(days.first().toString(QStringLiteral("dd.MM.yyyy")),
                         days.last().toString(QStringLiteral("dd.MM.yyyy")))};
    files.append({QStringLiteral("index.xml"),
                  auditIndexXml(builder.tables(), supplier, request.from, request.to)});
    files.append({auditDtdName(), auditDtd()});

    try {
        if (zip) {
            TZipWriter archive(request.now.isValid() ? request.now : QDateTime::currentDateTime());
            qint64 size = 0;
            for (const auto &file : std::as_const(files)) {
                archive.add(file.first, file.second);
                size += file.second.size();
            }
            if (size >= 0xFFFFFFFFll) {
                *error = tr("%1: the files are too large for a ZIP archive; export into a "
                            "folder")
                                 .arg(target);
                return false;
            }
            const QString parent = QFileInfo(target).absolutePath();
            if (!QDir().mkpath(parent)) {
                *error = tr("%1: the folder could not be made; nothing was written").arg(parent);
                return false;
            }
            TSaveFile save(target);
            save.open();
            save.write(archive.bytes());
            save.commit();
        } else if (!writeFolder(target, files, error)) {
            return false;
        }
    } catch (const TError &e) {
        *error = tr("%1; nothing was written").arg(userText(e, target));
        return false;
    }
    result->path = target;
    result->days = int(days.size());
    result->closings = builder.closings();
    result->bills = builder.bills();
    result->files = int(files.size());
    return true;
}

} // namespace PosLib
