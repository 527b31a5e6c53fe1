#pragma once

#include "tzreport.h"

#include <QList>
#include <QObject>
#include <QString>

class QThread;

// Reads and verifies the closings of an installation on a thread of its
// own, so that the window stays usable while years of bills are read, and
// hands the rows over on the thread it lives in.
class TClosingsRead : public QObject
{
    Q_OBJECT
public:
    explicit TClosingsRead(QObject *parent = nullptr);
    // Waits for a read under way: the thread reads only what it was given.
    ~TClosingsRead() override;

    // Reads every closing of `root`. Asked while a read runs, it reads
    // again when that one ends, and only the later rows are handed over.
    void start(const QString &root);
    bool isRunning() const { return m_thread != nullptr; }

Q_SIGNALS:
    // The closings in Z order, or none and why they could not be read.
    void read(const QList<PosLib::TClosingRow> &rows, const QString &error);

private:
    void begin(const QString &root);
    void end();

    QThread *m_thread = nullptr;
    bool m_again = false;
    QString m_nextRoot;
    // written by the thread, read once it has finished
    QList<PosLib::TClosingRow> m_rows;
    QString m_error;
};
