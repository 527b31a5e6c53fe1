#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <ostream>

// Readable QString values in failed expectations.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// A fresh temporary directory per test, removed afterwards.
class TestDir
{
public:
    TestDir();
    QString path() const; // ends in "/"
    QString file(const QString &name) const { return path() + name; }
    // Copies a reference file of tests/data into the directory; returns its path.
    QString copyData(const QString &name, const QString &as = QString()) const;
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;
    // Names in the directory, sorted.
    QStringList entries() const;

private:
    QTemporaryDir m_dir;
};

// Bytes of a reference file in tests/data.
QByteArray testData(const QString &name);
QString testDataPath(const QString &name);
// Path of a program built into build/bin.
QString binPath(const QString &program);

// Waits until process `pid` has the file that `path` names now open (it
// then waits in the open for that file's lock, or got past it). Bounded by
// a count of checks, not by a deadline; false when it never happened.
bool waitUntilOpenedBy(qint64 pid, const QString &path);
