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

#include <memory>
#include <vector>

using namespace Basics;

namespace PosLib {

namespace {

// The folder the files of an export are written into, beside the target
// and named after it and the process. It takes the target's name (or goes
// into the target's archive) only when every file is whole, and is removed
// when it does not.
class TPartialFolder
{
public:
    explicit TPartialFolder(const QString &target)
        : m_path(QStringLiteral("%1.part-%2").arg(target).arg(QCoreApplication::applicationPid()))
    { }
    ~TPartialFolder()
    {
        if (!m_renamed)
            QDir(m_path).removeRecursively();
    }
    TPartialFolder(const TPartialFolder &) = delete;
    TPartialFolder &operator=(const TPartialFolder &) = delete;

    QString path() const { return m_path; }
    QString file(const QString &name) const { return m_path + QLatin1Char('/') + name; }
    // Makes the folder empty; false when it cannot be made.
    bool make()
    {
        QDir(m_path).removeRecursively();
        return QDir().mkpath(m_path);
    }
    // Gives the folder the name `target`, which is not there or an empty
    // folder; false when it cannot.
    bool renameTo(const QString &target)
    {
        // an empty folder of that name gives way; one with files was refused before
        if (QFileInfo(target).isDir())
            QDir().rmdir(target);
        m_renamed = QDir().rename(m_path, target);
        return m_renamed;
    }

private:
    QString m_path;
    bool m_renamed = false;
};

// The files of the tables, written into the partial folder as the days
// add rows to them, so that no file is held in memory whole.
class TTableFiles
{
public:
    TTableFiles(const TPartialFolder &folder, const QList<TAuditTable> &tables)
    {
        for (const TAuditTable &table : tables) {
            m_files.push_back(std::make_unique<TSaveFile>(folder.file(table.file)));
            m_files.back()->open();
            m_files.back()->write(table.header());
        }
    }
    // Writes the lines the tables gathered and empties them. Throws the
    // error of a file that could not be written.
    void take(QList<TAuditTable> &tables)
    {
        for (size_t i = 0; i < m_files.size(); ++i) {
            TAuditTable &table = tables[qsizetype(i)];
            m_files[i]->write(table.lines);
            table.lines.clear();
            if (m_files[i]->hasError())
                m_files[i]->commit(); // throws the write's error
        }
    }
    void commit()
    {
        for (const auto &file : m_files)
            file->commit();
    }

private:
    std::vector<std::unique_ptr<TSaveFile>> m_files;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    TSaveFile save(path);
    save.open();
    save.write(bytes);
    save.commit();
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
    TPartialFolder partial(target);
    if (!partial.make()) {
        *error = tr("%1: the folder could not be made; nothing was written").arg(partial.path());
        return false;
    }
    TAuditBuilder builder(company);
    QStringList names;
    try {
        {
            // the files stay locked until their writers go
            TTableFiles tables(partial, builder.tables());
            for (int i = 0; i < days.size(); ++i) {
                if (m_keepGoing && !m_keepGoing()) {
                    *error = tr("cancelled; nothing was written");
                    return false;
                }
                if (m_progress)
                    m_progress(days.at(i), i, int(days.size()));
                TClosedDay day;
                if (!closed.load(days.at(i), &day, error)) {
                    *error = tr("%1; nothing was written").arg(*error);
                    return false;
                }
                builder.addDay(day);
                tables.take(builder.tables());
            }
            tables.commit();
        }
        for (const TAuditTable &table : builder.tables())
            names << table.file;

        const TAuditSupplier supplier {
                company.name, QStringLiteral("%1 %2").arg(company.zip, company.city),
                QStringLiteral("Kassendaten %1 bis %2; ohne Daten einer Sicherheitseinrichtung "
                               "(die Terminals verzeichnen keine)")
                        .arg(days.first().toString(QStringLiteral("dd.MM.yyyy")),
                             days.last().toString(QStringLiteral("dd.MM.yyyy")))};
        names << QStringLiteral("index.xml") << auditDtdName();
        writeFile(partial.file(names.at(names.size() - 2)),
                  auditIndexXml(builder.tables(), supplier, request.from, request.to));
        writeFile(partial.file(names.last()), auditDtd());

        if (zip) {
            TZipWriter archive(request.now.isValid() ? request.now : QDateTime::currentDateTime());
            for (const QString &name : std::as_const(names))
                archive.addFile(name, partial.file(name));
            if (archive.contentSize() >= 0xFFFFFFFFll) {
                *error = tr("%1: the files are too large for a ZIP archive; export into a "
                            "folder")
                                 .arg(target);
                return false;
            }
            // the partial folder beside it made the archive's folder
            TSaveFile save(target);
            save.open();
            archive.write([&save](const char *data, qint64 size) { save.write(data, size); });
            save.commit();
        } else if (!partial.renameTo(target)) {
            *error = tr("%1: the files could not be moved into place; nothing was written")
                             .arg(target);
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
    result->files = int(names.size());
    return true;
}

} // namespace PosLib
