#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace Mail {

// A mail waiting in the outbox.
struct TOutboxItem
{
    QString id; // the file names' stem
    QString job;
    QByteArray from;
    QList<QByteArray> to;
    QDateTime created;
    int attempts = 0; // failed deliveries so far
    QDateTime nextAttempt; // not before; invalid: at once
    QString lastError;
};

// The mails made but not yet delivered, in a folder of the state
// directory: "ID.eml" the message as sent, "ID.json" who it goes to and
// how its deliveries went. A mail is written there before the first
// delivery and removed only after the server took it, so a mail that could
// not be delivered is never lost: the next run of the timer tries again.
// Both files are replaced through Basics::TSaveFile; the message is
// written first, so a mail without its ".json" (cut off while being put in)
// was never tried and is removed.
class TOutbox
{
public:
    explicit TOutbox(const QString &directory);

    QString directory() const { return m_dir; }

    // Puts a mail in; returns its item. Throws Basics::TFileError.
    TOutboxItem add(const QString &job, const QByteArray &from, const QList<QByteArray> &to,
                    const QByteArray &mime, const QDateTime &now);
    // Every mail in it, oldest first; items that cannot be read are named
    // in `problems` and left alone.
    QList<TOutboxItem> items(QStringList *problems = nullptr) const;
    // The message of an item; throws Basics::TFileError.
    QByteArray message(const TOutboxItem &item) const;
    // Records a failed delivery: one more attempt, the next one after a
    // pause that doubles with every attempt (15 minutes, 30, 1 hour, … at
    // most 12 hours). Throws Basics::TFileError.
    void failed(TOutboxItem &item, const QString &error, const QDateTime &now);
    // Takes a delivered mail out.
    void remove(const TOutboxItem &item);

    static int pauseMinutes(int attempts);

private:
    void save(const TOutboxItem &item);
    QString m_dir; // with a trailing "/"
};

} // namespace Mail
