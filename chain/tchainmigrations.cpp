#include "tchainmigrations.h"

#include "tchaindb.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSqlQuery>

namespace ChainLib {

namespace {

// any number will do, as long as it is the chain's own
constexpr qint64 MigrationLock = 0x76656c7472756dLL; // "veltrum"

} // namespace

bool orderMigrations(const QStringList &fileNames, QList<TChainMigration> &ordered, QString *error)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)_[A-Za-z0-9_-]+\\.sql$"));
    QMap<int, TChainMigration> byVersion;
    for (const QString &name : fileNames) {
        const QRegularExpressionMatch match = pattern.match(name);
        bool ok = false;
        const int version = match.hasMatch() ? match.captured(1).toInt(&ok) : 0;
        if (!ok || version <= 0) {
            if (error)
                *error = QStringLiteral("%1 is no migration name (NNNN_words.sql)").arg(name);
            return false;
        }
        if (byVersion.contains(version)) {
            if (error)
                *error = QStringLiteral("%1 and %2 have the same version %3")
                                 .arg(byVersion.value(version).name, name)
                                 .arg(version);
            return false;
        }
        TChainMigration migration;
        migration.version = version;
        migration.name = name;
        byVersion.insert(version, migration);
    }
    ordered = byVersion.values();
    return true;
}

QList<TChainMigration> chainMigrations()
{
    const QDir dir(QStringLiteral(":/chain/sql"));
    QList<TChainMigration> ordered;
    if (!orderMigrations(dir.entryList(QDir::Files), ordered))
        return {}; // the build's own files: a test guards their names
    for (TChainMigration &migration : ordered) {
        QFile file(dir.filePath(migration.name));
        if (file.open(QIODevice::ReadOnly))
            migration.sql = QString::fromUtf8(file.readAll());
    }
    return ordered;
}

int schemaVersion(TChainDb &db)
{
    QSqlQuery query(db.database());
    if (!db.exec(query, QStringLiteral("SELECT to_regclass('schema_version') IS NOT NULL"), {})
        || !query.next())
        return -1;
    if (!query.value(0).toBool())
        return 0;
    if (!db.exec(query, QStringLiteral("SELECT coalesce(max(version), 0) FROM schema_version"), {})
        || !query.next())
        return -1;
    return query.value(0).toInt();
}

int applyMigrations(TChainDb &db, const QList<TChainMigration> &migrations)
{
    int applied = 0;
    for (const TChainMigration &migration : migrations) {
        if (!db.begin())
            return -1;
        // one program at a time; the lock ends with the transaction
        QSqlQuery query(db.database());
        const bool ready
                = db.exec(query, QStringLiteral("SELECT pg_advisory_xact_lock(?)"),
                          {QVariant::fromValue(MigrationLock)})
                  && db.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version ("
                                            " version integer PRIMARY KEY, name text NOT NULL,"
                                            " applied timestamptz NOT NULL DEFAULT now())"))
                  && db.exec(query,
                             QStringLiteral("SELECT 1 FROM schema_version WHERE version = ?"),
                             {migration.version});
        if (!ready) {
            db.rollback();
            return -1;
        }
        if (query.next()) {
            db.rollback();
            continue; // applied before
        }
        if (!db.exec(migration.sql)
            || !db.exec(query,
                        QStringLiteral("INSERT INTO schema_version (version, name) VALUES (?, ?)"),
                        {migration.version, migration.name})
            || !db.commit()) {
            db.rollback();
            return -1;
        }
        ++applied;
    }
    return applied;
}

} // namespace ChainLib
