#include "tchaingrouprows.h"

#include "tchaindb.h"

#include <QCoreApplication>
#include <QSqlDriver>

#include <cstring>

#include <libpq-fe.h>

namespace ChainLib {

namespace {

// The texts of this file, translated in the context "TChainGroupRows".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TChainGroupRows)
};

// A number as the server sends it in binary: four bytes, big-endian.
qint32 int4At(const PGresult *result, int column)
{
    if (PQgetlength(result, 0, column) != 4)
        return 0;
    const auto *bytes = reinterpret_cast<const unsigned char *>(PQgetvalue(result, 0, column));
    return qint32(quint32(bytes[0]) << 24 | quint32(bytes[1]) << 16 | quint32(bytes[2]) << 8
                  | quint32(bytes[3]));
}

QString oneLine(const char *text)
{
    QString line = QString::fromUtf8(text);
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line.simplified();
}

// The server counts its dates in days from 2000-01-01.
const qint64 ServerEpoch = QDate(2000, 1, 1).toJulianDay();

} // namespace

TChainGroupRows::TChainGroupRows(TChainDb &db)
    : m_db(db)
{ }

TChainGroupRows::~TChainGroupRows()
{
    close();
}

void TChainGroupRows::close()
{
    if (m_row) {
        PQclear(m_row);
        m_row = nullptr;
    }
    if (m_conn && m_started && !m_done) {
        // left before the end: the server stops sending, and what it sent
        // already is read away so that the connection serves again
        if (PGcancel *cancel = PQgetCancel(m_conn)) {
            char reason[256];
            PQcancel(cancel, reason, int(sizeof reason));
            PQfreeCancel(cancel);
        }
        while (PGresult *rest = PQgetResult(m_conn))
            PQclear(rest);
    }
    m_started = false;
    m_done = false;
}

bool TChainGroupRows::fail(const QString &text)
{
    m_error = text;
    if (m_row) {
        PQclear(m_row);
        m_row = nullptr;
    }
    return false;
}

bool TChainGroupRows::start(const QString &outlets, const QStringList &kinds, const QDate &from,
                            const QDate &to)
{
    close();
    m_error.clear();
    const QVariant handle = m_db.database().driver()->handle();
    // Qt names the type as the driver's header declares it
    if ((qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0)
        || !handle.constData())
        return fail(Text::tr("the connection is no PostgreSQL connection"));
    m_conn = *static_cast<PGconn *const *>(handle.constData());
    if (!m_conn)
        return fail(Text::tr("the connection is no PostgreSQL connection"));
    const QByteArray kindList
            = (QLatin1Char('{') + kinds.join(QLatin1Char(',')) + QLatin1Char('}')).toUtf8();
    const QByteArray first = from.toString(Qt::ISODate).toLatin1();
    const QByteArray last = to.toString(Qt::ISODate).toLatin1();
    const QByteArray offices = outlets.toLatin1();
    const char *values[4]
            = {kindList.constData(), first.constData(), last.constData(), offices.constData()};
    // every kind of every day sent, stored or not, in the order of adding
    const char *statement
            = "SELECT d.day, d.office_id, k.n::integer, a.data IS NOT NULL, a.data "
              "FROM days d CROSS JOIN unnest($1::text[]) WITH ORDINALITY AS k(kind, n) "
              "LEFT JOIN day_aggregates a ON a.office_id = d.office_id AND a.day = d.day "
              "AND a.kind = k.kind "
              "WHERE d.day BETWEEN $2::date AND $3::date AND d.office_id = ANY ($4::integer[]) "
              "ORDER BY d.day, d.office_id, k.n";
    if (!PQsendQueryParams(m_conn, statement, 4, nullptr, values, nullptr, nullptr, 1))
        return fail(oneLine(PQerrorMessage(m_conn)));
    m_started = true;
    if (!PQsetSingleRowMode(m_conn)) {
        close();
        return fail(Text::tr("the server's rows cannot be read one by one"));
    }
    return true;
}

bool TChainGroupRows::current(Row &row)
{
    if (!m_started || !m_error.isEmpty())
        return false;
    if (!m_row) {
        if (m_done)
            return false;
        PGresult *next = PQgetResult(m_conn);
        if (!next) {
            m_done = true;
            return false;
        }
        const ExecStatusType status = PQresultStatus(next);
        if (status == PGRES_TUPLES_OK) {
            // the end of the rows; the results end with none
            PQclear(next);
            while (PGresult *rest = PQgetResult(m_conn))
                PQclear(rest);
            m_done = true;
            return false;
        }
        if (status != PGRES_SINGLE_TUPLE || PQntuples(next) != 1 || PQnfields(next) != 5) {
            const QString text = oneLine(PQresultErrorMessage(next));
            PQclear(next);
            while (PGresult *rest = PQgetResult(m_conn))
                PQclear(rest);
            m_done = true;
            return fail(text.isEmpty() ? Text::tr("the server gave an unexpected answer") : text);
        }
        m_row = next;
    }
    row.day = QDate::fromJulianDay(ServerEpoch + int4At(m_row, 0));
    row.office = int4At(m_row, 1);
    row.kind = int4At(m_row, 2) - 1;
    row.stored = PQgetlength(m_row, 0, 3) == 1 && *PQgetvalue(m_row, 0, 3) != 0;
    row.data = row.stored ? PQgetvalue(m_row, 0, 4) : nullptr;
    row.size = row.stored ? PQgetlength(m_row, 0, 4) : 0;
    return true;
}

void TChainGroupRows::pass()
{
    if (m_row) {
        PQclear(m_row);
        m_row = nullptr;
    }
}

} // namespace ChainLib
