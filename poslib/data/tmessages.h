#pragma once

#include "tvalue.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace PosLib {

// A message for a terminal.
class TMessage : public Basics::TValue
{
public:
    TMessage() = default;
    ~TMessage() override;

    int type() const { return getInt(QStringLiteral("type")); }
    void setType(int type) { setInt(QStringLiteral("type"), type); }
    // The sending waiter's name; absent when there is no sender.
    QString fromWaiter() const { return getString(QStringLiteral("fromwait")); }
    void setFromWaiter(const QString &name) { setString(QStringLiteral("fromwait"), name); }
    // When it was sent, in Qt's text form of a date and time.
    QString sendTime() const { return getString(QStringLiteral("sendtime")); }
    void setSendTime(const QString &text) { setString(QStringLiteral("sendtime"), text); }
    QString message() const { return getString(QStringLiteral("msg")); }
    void setMessage(const QString &text) { setString(QStringLiteral("msg"), text); }
};

// The message store shared with the terminals, in "var/messages".
class TMessages : public Basics::TValueList
{
    Q_OBJECT
public:
    explicit TMessages(bool autoDelete = true, QObject *parent = nullptr);
    ~TMessages() override;

    QString listName() const override;
    QString fileName() const override; // "inbox."
    QString elementName() const override;
    QString dataDir() const override; // "var/messages"
    Basics::TValue *newValue() override;
};

// Drops one message for every terminal of `terminals` (in id order): the
// file "term.<terminal id>.<n>" in "var/messages", n the first number that
// has no file yet. The directory lies under `root`, or in the working
// directory when `root` is empty; it is created when missing. "fromwait" is
// the name of `waiter` (none when null), "sendtime" is `now` (the current
// time when null). Each file is written with the safe replace; throws
// TFileError. Returns the paths written.
QStringList sendMessage(const Basics::TValueList &terminals, int type, const QString &text,
                        const Basics::TValue *waiter, const QString &root = QString(),
                        const QDateTime &now = QDateTime());

} // namespace PosLib
