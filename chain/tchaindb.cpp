#include "tchaindb.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace ChainLib {

namespace {

QAtomicInt connections;

QString oneLine(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text.simplified();
}

} // namespace

TChainDb::TChainDb()
    : m_name(QStringLiteral("veltrum-chain-%1").arg(connections.fetchAndAddRelaxed(1)))
{ }

TChainDb::~TChainDb()
{
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
}

bool TChainDb::open(const TChainUrl &url, int timeoutSeconds)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        m_error = QCoreApplication::translate("TChainDb",
                                              "the PostgreSQL driver of Qt (QPSQL) is not "
                                              "installed");
        return false;
    }
    if (!m_db.isValid())
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
    m_db.setHostName(url.host);
    m_db.setPort(url.port);
    m_db.setDatabaseName(url.database);
    m_db.setUserName(url.user);
    m_db.setPassword(url.password);
    m_db.setConnectOptions(QStringLiteral("connect_timeout=%1;application_name=veltrum")
                                   .arg(qMax(1, timeoutSeconds)));
    if (!m_db.open()) {
        m_error = oneLine(m_db.lastError().text());
        return false;
    }
    m_error.clear();
    // the server's notices ("already exists, skipping") are no news
    exec(QStringLiteral("SET client_min_messages TO warning"));
    return true;
}

QString TChainDb::integerArray(const QList<int> &numbers)
{
    QStringList texts;
    for (int n : numbers)
        texts << QString::number(n);
    return QLatin1Char('{') + texts.join(QLatin1Char(',')) + QLatin1Char('}');
}

QString TChainDb::errorText(const QSqlQuery &query)
{
    return oneLine(query.lastError().text());
}

bool TChainDb::exec(QSqlQuery &query)
{
    if (query.exec())
        return true;
    m_error = errorText(query);
    return false;
}

bool TChainDb::exec(const QString &statement)
{
    QSqlQuery query(m_db);
    if (query.exec(statement))
        return true;
    m_error = errorText(query);
    return false;
}

bool TChainDb::exec(QSqlQuery &query, const QString &statement, const QVariantList &values)
{
    if (!query.prepare(statement)) {
        m_error = errorText(query);
        return false;
    }
    for (const QVariant &value : values)
        query.addBindValue(value);
    return exec(query);
}

bool TChainDb::begin()
{
    if (m_db.transaction())
        return true;
    m_error = oneLine(m_db.lastError().text());
    return false;
}

bool TChainDb::commit()
{
    if (m_db.commit())
        return true;
    m_error = oneLine(m_db.lastError().text());
    m_db.rollback();
    return false;
}

void TChainDb::rollback()
{
    m_db.rollback();
}

} // namespace ChainLib
