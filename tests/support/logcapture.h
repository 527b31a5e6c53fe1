#pragma once

#include "tlog.h"

#include <QList>
#include <QObject>
#include <QStringList>

// Collects the lines of the process logger while it exists, with every
// level switched on.
class LogCapture
{
public:
    LogCapture()
        : m_level(Basics::TLog::instance().level())
    {
        Basics::TLog::instance().setLevel(Basics::TLog::All);
        m_connection = QObject::connect(&Basics::TLog::instance(), &Basics::TLog::logged,
                                        [this](int level, const QString &line) {
                                            levels << level;
                                            lines << line;
                                        });
    }
    ~LogCapture()
    {
        QObject::disconnect(m_connection);
        Basics::TLog::instance().setLevel(m_level);
    }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    bool contains(const QString &text) const { return !lines.filter(text).isEmpty(); }

    QList<int> levels;
    QStringList lines;

private:
    int m_level;
    QMetaObject::Connection m_connection;
};
