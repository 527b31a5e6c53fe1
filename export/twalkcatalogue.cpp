#include "twalkcatalogue.h"

#include "terror.h"
#include "tinifile.h"
#include "tlog.h"
#include "tlogcategories.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace DotNetPluginLibrary {

QString TWalkCatalogue::fileName(const QString &root)
{
    return QDir(root.isEmpty() ? QStringLiteral(".") : root)
            .filePath(QStringLiteral("etc/walk.ini"));
}

bool TWalkCatalogue::load(const QString &root)
{
    m_reports.clear();
    m_groups.clear();
    const QString file = fileName(root);
    if (!QFileInfo::exists(file))
        return false;
    try {
        Basics::TInifile ini(file);
        if (Basics::TInifile::Section *reports = ini.section(QStringLiteral("reports"))) {
            for (const QString &key : reports->keys()) {
                bool ok = false;
                const int id = key.toInt(&ok);
                if (ok && id > 0)
                    m_reports.insert(id, ini.readString(QStringLiteral("reports"), key));
            }
        }
        static const QRegularExpression groupName(QStringLiteral("^group(\\d+)$"),
                                                  QRegularExpression::CaseInsensitiveOption);
        for (Basics::TInifile::Section *section : ini.sections()) {
            const QRegularExpressionMatch match = groupName.match(section->name().trimmed());
            if (!match.hasMatch())
                continue;
            TWalkGroup group;
            group.id = match.captured(1).toInt();
            group.caption = ini.readString(section->name(), QStringLiteral("caption")).trimmed();
            static const QRegularExpression separators(QStringLiteral("[;,]"));
            for (const QString &part : ini.readString(section->name(), QStringLiteral("group"))
                                               .split(separators, Qt::SkipEmptyParts)) {
                const int id = part.trimmed().toInt();
                if (m_reports.contains(id) && !group.reports.contains(id))
                    group.reports.append(id);
            }
            if (group.id > 0 && !group.caption.isEmpty())
                m_groups.append(group);
        }
    } catch (const Basics::TError &e) {
        Basics::logError(QStringLiteral("Could not read %1: %2").arg(file, e.text()),
                         Basics::LogModule::Library, Basics::LogClass::WalkCatalogue);
        m_reports.clear();
        m_groups.clear();
        return false;
    }
    std::stable_sort(m_groups.begin(), m_groups.end(),
                     [](const TWalkGroup &a, const TWalkGroup &b) { return a.id < b.id; });
    return true;
}

QList<int> TWalkCatalogue::reportsOf(int group) const
{
    for (const TWalkGroup &g : m_groups)
        if (g.id == group)
            return g.reports;
    return m_reports.keys();
}

} // namespace DotNetPluginLibrary
