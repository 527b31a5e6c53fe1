#include "tstatsnapshot.h"

#include "tarchtable.h"
#include "tchainupload.h"
#include "tchainurl.h"
#include "tinstallation.h"

#include "tdir.h"
#include "terror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace DotNetPluginLibrary {

namespace {

bool renameDirectory(const QString &from, const QString &to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

QString withoutSlash(const QString &dir)
{
    return dir.endsWith(QLatin1Char('/')) ? dir.chopped(1) : dir;
}

} // namespace

QString TStatSnapshot::archiveName(const QDate &day)
{
    return QStringLiteral("statist-") + day.toString(QStringLiteral("yyyy-MM-dd"));
}

int TStatSnapshot::fail(int code, const QString &message)
{
    m_message = message;
    return code;
}

int TStatSnapshot::run(const QString &root, const QDate &day, const QString &target)
{
    m_message.clear();
    m_archive.clear();
    if (!day.isValid())
        return fail(BadRequest, QStringLiteral("No valid statistics date"));
    if (target.isEmpty())
        return fail(NoTarget, QStringLiteral("No target file path configured"));

    const QString dayDir = PosLib::statistDayDir(day, root);
    const QString summary = PosLib::installationDir(root, QStringLiteral("var/summary"), false)
                            + PosLib::summaryFileName(day);
    const bool hasDay = QFileInfo(dayDir).isDir();
    const bool hasSummary = QFileInfo(summary).isFile();
    if (!hasDay && !hasSummary)
        return fail(NoStatistics, QStringLiteral("No statistics of %1")
                                          .arg(day.toString(QStringLiteral("dd.MM.yyyy"))));

    QString targetDir;
    try {
        targetDir = Basics::normalizeDir(target, true);
    } catch (const Basics::TError &error) {
        return fail(CopyFailed,
                    QStringLiteral("Could not create %1: %2").arg(target, error.text()));
    }
    const QString name = archiveName(day);
    const QString final = targetDir + name;
    const QString temp = targetDir + QLatin1Char('.') + name + QLatin1String(".tmp");
    const QString old = targetDir + QLatin1Char('.') + name + QLatin1String(".old");
    QDir(temp).removeRecursively(); // left by an interrupted run

    const QString statistPart = QStringLiteral("/var/statist/") + PosLib::statistDayName(day);
    const QString summaryPart = QStringLiteral("/var/summary");
    auto abandon = [&](const QString &message) {
        QDir(temp).removeRecursively();
        return fail(CopyFailed, message);
    };
    if (!QDir().mkpath(temp + statistPart) || !QDir().mkpath(temp + summaryPart))
        return abandon(QStringLiteral("Could not create %1").arg(temp));

    if (hasDay) {
        const QStringList files = QDir(dayDir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        for (const QString &file : files) {
            // A ".tmp" is a copy the closing has not finished: no bill yet.
            if (file.endsWith(QLatin1String(".tmp")))
                continue;
            if (!Basics::copyFile(dayDir + file, temp + statistPart + QLatin1Char('/') + file))
                return abandon(QStringLiteral("Could not copy %1").arg(dayDir + file));
        }
    }
    if (hasSummary
        && !Basics::copyFile(summary,
                             temp + summaryPart + QLatin1Char('/') + PosLib::summaryFileName(day)))
        return abandon(QStringLiteral("Could not copy %1").arg(summary));
    Basics::syncDirectory(temp + statistPart);
    Basics::syncDirectory(temp + summaryPart);
    Basics::syncDirectory(temp + QStringLiteral("/var/statist"));
    Basics::syncDirectory(temp + QStringLiteral("/var"));
    Basics::syncDirectory(temp);

    // Put the archive in place; an earlier one of the day steps aside first
    // and is removed only once the new one is there.
    QDir(old).removeRecursively();
    const bool replacing = QFileInfo::exists(final);
    if (replacing && !renameDirectory(final, old))
        return abandon(QStringLiteral("Could not replace %1").arg(final));
    if (!renameDirectory(temp, final)) {
        if (replacing)
            renameDirectory(old, final);
        return abandon(QStringLiteral("Could not rename %1 to %2").arg(temp, final));
    }
    Basics::syncDirectory(withoutSlash(targetDir));
    if (replacing)
        QDir(old).removeRecursively();

    m_archive = final;
    m_message = QStringLiteral("Statistics of %1 written to %2")
                        .arg(day.toString(QStringLiteral("dd.MM.yyyy")), final);
    return Ok;
}

int TStatSnapshot::sendToDatabase(const QMap<QString, QString> &values)
{
    m_message.clear();
    m_archive.clear();
    const QString root = values.value(QStringLiteral("path"), QStringLiteral("."));
    const QDate day = QDate::fromString(values.value(QStringLiteral("statistdate")),
                                        QStringLiteral("dd.MM.yyyy"));
    if (!day.isValid())
        return fail(BadRequest, QStringLiteral("No valid statistics date"));
    const bool login = values.value(QStringLiteral("dbusepassword")) == QLatin1String("yes");
    ChainLib::TChainUrl url;
    QString problem;
    if (!ChainLib::TChainUrl::fromTarget(
                values.value(QStringLiteral("dbserver")),
                values.value(QStringLiteral("dbdatabasename")),
                login ? values.value(QStringLiteral("dbusername")) : QString(),
                login ? values.value(QStringLiteral("dbpassword")) : QString(), url, &problem))
        return fail(NoTarget, QStringLiteral("No chain database: %1").arg(problem));
    if (!url.resolvePassword(QString(), &problem))
        return fail(NoTarget, problem);

    const ChainLib::TPushResult pushed = ChainLib::pushDays(root, url, {day}, m_timeout);
    const QString dayText = day.toString(QStringLiteral("dd.MM.yyyy"));
    switch (pushed.status) {
    case ChainLib::TPushResult::Sent:
        m_message = QStringLiteral("Statistics of %1 sent to %2").arg(dayText, url.text());
        return Ok;
    case ChainLib::TPushResult::Queued:
        return fail(Queued, QStringLiteral("Statistics of %1 queued (%2 days waiting): %3")
                                    .arg(dayText)
                                    .arg(pushed.queued.size())
                                    .arg(pushed.error));
    case ChainLib::TPushResult::Failed:
        break;
    }
    return fail(QueueFailed, QStringLiteral("Statistics of %1 neither sent nor queued: %2")
                                     .arg(dayText, pushed.error));
}

QDomDocument TStatSnapshot::answer(const QString &requestXml)
{
    int code = BadRequest;
    QDomDocument request;
    if (!request.setContent(requestXml)) {
        fail(BadRequest, QStringLiteral("The request is no XML document"));
    } else {
        const QString function = request.elementsByTagName(QStringLiteral("function"))
                                         .item(0)
                                         .toElement()
                                         .attribute(QStringLiteral("name"));
        QMap<QString, QString> values;
        const QDomElement group
                = request.elementsByTagName(QStringLiteral("snapshotsettings")).item(0).toElement();
        for (QDomElement e = group.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
            values.insert(e.tagName(), e.attribute(QStringLiteral("value")));

        if (function != QLatin1String("UploadStatistXml"))
            fail(BadRequest, QStringLiteral("Function %1 is not supported").arg(function));
        else if (values.value(QStringLiteral("cloudmode")) == QLatin1String("db"))
            code = sendToDatabase(values);
        else if (values.value(QStringLiteral("cloudmode")) != QLatin1String("localfile"))
            code = fail(UnsupportedMode, QStringLiteral("Transfer mode %1 is not supported")
                                                 .arg(values.value(QStringLiteral("cloudmode"))));
        else
            code = run(values.value(QStringLiteral("path"), QStringLiteral(".")),
                       QDate::fromString(values.value(QStringLiteral("statistdate")),
                                         QStringLiteral("dd.MM.yyyy")),
                       values.value(QStringLiteral("filepath")));
    }

    QDomDocument response;
    response.appendChild(response.createProcessingInstruction(
            QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"utf-8\"")));
    QDomElement root = response.createElement(QStringLiteral("korvalplugins"));
    response.appendChild(root);
    QDomElement result = response.createElement(QStringLiteral("result"));
    result.setAttribute(QStringLiteral("code"), code);
    result.setAttribute(QStringLiteral("message"), m_message);
    if (code == Ok)
        result.setAttribute(QStringLiteral("archive"), m_archive);
    root.appendChild(result);
    return response;
}

} // namespace DotNetPluginLibrary
