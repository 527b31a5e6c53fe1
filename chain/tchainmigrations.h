#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace ChainLib {

class TChainDb;

// One step of the chain database's schema: the file "NNNN_words.sql" of
// the program's migrations, applied once, in the order of NNNN.
struct TChainMigration
{
    int version = 0;
    QString name; // the file name
    QString sql;
};

// The versions of `fileNames` in the order they apply: by the number
// before the first "_" (so "2_b.sql" before "10_a.sql"). False with
// `error` for a name that is no "NNNN_words.sql" or a version given twice.
bool orderMigrations(const QStringList &fileNames, QList<TChainMigration> &ordered,
                     QString *error = nullptr);

// The migrations the program carries, in order.
QList<TChainMigration> chainMigrations();

// The highest version applied to the database; 0 for a database without
// the chain's schema, -1 with db.error() when it cannot be read.
int schemaVersion(TChainDb &db);

// Brings the database up to the last migration: each missing one in its
// own transaction, recorded in "schema_version" with its name. Running it
// again applies nothing. Two programs running it at the same time wait for
// each other. Returns the number applied, -1 with db.error() on failure
// (the failing migration is rolled back whole).
int applyMigrations(TChainDb &db, const QList<TChainMigration> &migrations = chainMigrations());

} // namespace ChainLib
