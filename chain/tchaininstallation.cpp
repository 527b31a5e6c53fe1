#include "tchaininstallation.h"

#include "tchainday.h"
#include "tchaindb.h"

#include "tarchtable.h"
#include "tinstallation.h"
#include "tsettings.h"

#include "terror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

namespace ChainLib {

namespace {

// The texts of this file, translated in the context "TChainInstallation".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TChainInstallation)
};

bool setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

bool writeFile(const QString &path, const QByteArray &bytes, QIODevice::OpenMode mode)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(mode) && file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

bool chainOutlets(TChainDb &db, QList<TChainOutlet> &outlets, QString *error)
{
    outlets.clear();
    QSqlQuery query(db.database());
    if (!db.exec(query, QStringLiteral("SELECT office_id, name FROM outlets ORDER BY office_id"),
                 {}))
        return setError(error, db.error());
    while (query.next())
        outlets << TChainOutlet {query.value(0).toInt(), query.value(1).toString()};
    return true;
}

TChainInstallation::TChainInstallation()
{
    m_dir.setAutoRemove(true);
}

QString TChainInstallation::root() const
{
    return m_dir.isValid() ? QDir(m_dir.path()).absolutePath() + QLatin1Char('/') : QString();
}

bool TChainInstallation::fill(TChainDb &db, const QList<int> &outlets, const QDate &from,
                              const QDate &to, const QString &name, bool summaries, QString *error)
{
    if (root().isEmpty())
        return setError(error, Text::tr("cannot create a temporary directory"));
    if (outlets.isEmpty())
        return setError(error, Text::tr("no outlet chosen"));
    const QString base = root();
    QDir().mkpath(base + QStringLiteral("usr/data"));
    QDir().mkpath(base + QStringLiteral("var/summary"));
    QDir().mkpath(base + QStringLiteral("etc"));

    QSqlQuery query(db.database());
    query.setForwardOnly(true);
    if (!db.exec(query,
                 QStringLiteral("SELECT path, data FROM outlet_files WHERE office_id = ? "
                                "ORDER BY path"),
                 {outlets.first()}))
        return setError(error, db.error());
    while (query.next()) {
        const QString path = query.value(0).toString();
        // the stored paths are the installation's own; nothing may leave it
        if (path.startsWith(QLatin1Char('/')) || path.contains(QLatin1String("..")))
            continue;
        if (!writeFile(base + path, query.value(1).toByteArray(), QIODevice::WriteOnly))
            return setError(error, Text::tr("cannot write %1").arg(base + path));
    }

    if (!name.isEmpty()) {
        PosLib::TSettings settings;
        const QString dataDir = base + QStringLiteral("usr/data/");
        try {
            settings.load(dataDir, settings.fileName());
            if (!settings.installation()) {
                auto *record = new Basics::TValue;
                record->setInt(QStringLiteral("id"), 0);
                settings.insert(record);
            }
            settings.installation()->setString(QStringLiteral("installationname"), name);
            settings.save(dataDir, settings.fileName());
        } catch (const Basics::TError &e) {
            return setError(error, e.text());
        }
    }

    if (!summaries)
        return true;
    // a day's summaries one after another, in office order
    QSqlQuery days(db.database());
    days.setForwardOnly(true);
    if (!db.exec(days,
                 QStringLiteral("SELECT day, data FROM day_aggregates WHERE kind = ? AND day "
                                "BETWEEN ? AND ? AND office_id = ANY (?::integer[]) "
                                "ORDER BY day, office_id"),
                 {QLatin1String(DaySummaryKind), from, to, TChainDb::integerArray(outlets)}))
        return setError(error, db.error());
    QDate current;
    while (days.next()) {
        const QDate day = days.value(0).toDate();
        const QByteArray data = days.value(1).toByteArray();
        const QString path = base + QStringLiteral("var/summary/") + PosLib::summaryFileName(day);
        const bool first = day != current;
        if (!writeFile(path, data, first ? QIODevice::WriteOnly : QIODevice::Append))
            return setError(error, Text::tr("cannot write %1").arg(path));
        if (first)
            ++m_days;
        current = day;
        m_bytes += data.size();
    }
    return true;
}

} // namespace ChainLib
