#include "tmessages.h"

#include "tdir.h"

#include <QFileInfo>

namespace PosLib {

TMessage::~TMessage() = default;

TMessages::TMessages(bool autoDelete, QObject *parent)
    : Basics::TValueList(autoDelete, parent)
{ }

TMessages::~TMessages() = default;

QString TMessages::listName() const
{
    return QStringLiteral("messages");
}

QString TMessages::fileName() const
{
    return QStringLiteral("inbox.");
}

QString TMessages::elementName() const
{
    return QStringLiteral("message");
}

QString TMessages::dataDir() const
{
    return QStringLiteral("var/messages");
}

Basics::TValue *TMessages::newValue()
{
    return new TMessage;
}

QStringList sendMessage(const Basics::TValueList &terminals, int type, const QString &text,
                        const Basics::TValue *waiter, const QString &root, const QDateTime &now)
{
    TMessages messages;
    auto *message = new TMessage;
    message->setType(type);
    if (waiter)
        message->setFromWaiter(waiter->name());
    message->setSendTime((now.isValid() ? now : QDateTime::currentDateTime()).toString());
    message->setMessage(text);
    messages.append(message);

    // An empty root leaves the directory relative to the working directory.
    const QString dir
            = Basics::normalizeDir(Basics::normalizeDir(root, false) + messages.dataDir(), true);
    QStringList written;
    for (const Basics::TValue *terminal : terminals.valueMap()) {
        const QString prefix = QStringLiteral("term.%1.").arg(terminal->id());
        int n = 0;
        while (QFileInfo::exists(dir + prefix + QString::number(n)))
            ++n;
        const QString name = prefix + QString::number(n);
        messages.save(dir, name);
        written.append(dir + name);
    }
    return written;
}

} // namespace PosLib
