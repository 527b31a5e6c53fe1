#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

struct pg_conn;
struct pg_result;

namespace ChainLib {

class TChainDb;

// The stored groups of some outlets over a range of days, asked for in one
// query and read row by row as the server sends them: by day, then office,
// then kind in the order asked for, every kind of every day an outlet sent
// (a row without data when that kind is not stored). The bytes come as
// they are stored, not escaped as text, and only one row is held at a
// time. While rows are read the connection runs nothing else; the query is
// cancelled when the rows are left before their end.
class TChainGroupRows
{
public:
    struct Row
    {
        QDate day;
        int office = 0;
        int kind = 0; // index into the kinds asked for
        bool stored = false;
        const char *data = nullptr; // valid until the next row is read
        qsizetype size = 0;
    };

    explicit TChainGroupRows(TChainDb &db);
    ~TChainGroupRows();
    TChainGroupRows(const TChainGroupRows &) = delete;
    TChainGroupRows &operator=(const TChainGroupRows &) = delete;

    // Asks for the rows of `outlets` ("{1,4,7}") from `from` to `to`;
    // rows read before are dropped. False with error() set.
    bool start(const QString &outlets, const QStringList &kinds, const QDate &from,
               const QDate &to);
    bool isStarted() const { return m_started; }
    // The row read last, or the next one when none is held; false at the
    // end and on an error (error() set then).
    bool current(Row &row);
    // Passes over the row held, so that current() reads the next one.
    void pass();
    // Drops the rows not read yet (the query is cancelled); the
    // connection serves again.
    void close();

    QString error() const { return m_error; }

private:
    bool fail(const QString &text);

    TChainDb &m_db;
    pg_conn *m_conn = nullptr;
    pg_result *m_row = nullptr;
    bool m_started = false;
    bool m_done = false;
    QString m_error;
};

} // namespace ChainLib
