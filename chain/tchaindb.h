#pragma once

#include "tchainurl.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

class QSqlQuery;

namespace ChainLib {

// One connection to the chain database, closed and removed with the
// object. Nothing it logs or returns holds the password.
class TChainDb
{
public:
    TChainDb();
    ~TChainDb();
    TChainDb(const TChainDb &) = delete;
    TChainDb &operator=(const TChainDb &) = delete;

    // Connects, waiting at most `timeoutSeconds` for the server; false
    // with error() when the driver is missing or the server refuses or
    // does not answer.
    bool open(const TChainUrl &url, int timeoutSeconds = 5);
    bool isOpen() const { return m_db.isOpen(); }
    QSqlDatabase &database() { return m_db; }
    QString error() const { return m_error; }

    // Runs a statement; false with error() set.
    bool exec(QSqlQuery &query);
    bool exec(const QString &statement);
    // Runs a prepared statement with the values bound in order.
    bool exec(QSqlQuery &query, const QString &statement, const QVariantList &values);

    bool begin();
    bool commit();
    void rollback();

    // A list of numbers as an integer[] literal for "= ANY (?::integer[])":
    // "{1,4,7}".
    static QString integerArray(const QList<int> &numbers);

    // The driver's error text, trimmed to one line.
    static QString errorText(const QSqlQuery &query);

private:
    QString m_name;
    QSqlDatabase m_db;
    QString m_error;
};

} // namespace ChainLib
