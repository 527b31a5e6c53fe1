#include "tcrystalcatalogue.h"

#include "terror.h"
#include "tinifile.h"
#include "tlog.h"
#include "tlogcategories.h"

#include <QDir>
#include <QFileInfo>

using namespace Basics;

namespace Crystal {

namespace {

const QString Settings = QStringLiteral("Settings");

} // namespace

QString TCatalogueEntry::text() const
{
    return QStringList {report, name, image, ini}.join(QLatin1Char(';'));
}

TCatalogueEntry TCatalogueEntry::fromText(const QString &text)
{
    const QStringList items = text.split(QLatin1Char(';'));
    return {items.value(0), items.value(1), items.value(2), items.value(3)};
}

bool needsSql(const QString &lists)
{
    for (const QString &name : lists.split(QLatin1Char(',')))
        if (name.trimmed().compare(QLatin1String("sql"), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QList<TCatalogueEntry> scanCatalogue(const QString &directory, const QString &language,
                                     const QStringList &enabled,
                                     const std::function<QString(const QString &)> &resolve)
{
    QList<TCatalogueEntry> entries;
    const QDir dir(directory);
    const QStringList files = dir.entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const QString path = dir.filePath(file);
        logDebug(QStringLiteral("Scanning %1").arg(path), LogModule::Library,
                 LogClass::PaidTablesDoc);
        const QString base = QFileInfo(file).completeBaseName();
        if (!enabled.isEmpty() && !enabled.contains(base, Qt::CaseInsensitive))
            continue;
        try {
            TInifile ini(path);
            const QString report = ini.readString(Settings, QStringLiteral("report")).trimmed();
            if (report.isEmpty() || needsSql(ini.readString(Settings, QStringLiteral("lists"))))
                continue;
            TCatalogueEntry entry;
            entry.report = resolve(report);
            if (!QFileInfo::exists(entry.report)) {
                logWarning(QStringLiteral("Reports, Report not found for %1").arg(path),
                           LogModule::Library, LogClass::PaidTablesDoc);
                continue;
            }
            entry.name = ini.readString(Settings, QStringLiteral("name_") + language);
            if (entry.name.isEmpty() && language.size() > 2)
                entry.name = ini.readString(Settings, QStringLiteral("name_") + language.left(2));
            if (entry.name.isEmpty())
                entry.name = ini.readString(Settings, QStringLiteral("name"), base);
            const QString image = ini.readString(Settings, QStringLiteral("image")).trimmed();
            entry.image = image.isEmpty() ? QString() : resolve(image);
            entry.ini = path;
            entries.append(entry);
        } catch (const TError &e) {
            logError(QStringLiteral("%1: %2").arg(path, e.text()), LogModule::Library,
                     LogClass::PaidTablesDoc);
        }
    }
    return entries;
}

} // namespace Crystal
