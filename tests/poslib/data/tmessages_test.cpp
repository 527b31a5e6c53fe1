#include "tmessages.h"

#include "testdir.h"

#include <QDir>

#include <gtest/gtest.h>

using PosLib::TMessage;
using PosLib::TMessages;

namespace {

class MessagesTest : public ::testing::Test
{
protected:
    MessagesTest()
    {
        for (int id : {2, 1}) {
            auto *terminal = new Basics::TValue;
            terminal->setId(id);
            terminal->setName(QStringLiteral("Bar %1").arg(id));
            terminals.insert(terminal);
        }
        waiter.setId(12);
        waiter.setName(QStringLiteral("Anna"));
    }

    // The one message of a message file, or null.
    const TMessage *readMessage(TMessages &list, const QString &name)
    {
        if (list.load(dir.file(QStringLiteral("var/messages")), name) != 0 || list.count() != 1)
            return nullptr;
        return static_cast<const TMessage *>(list.values().first());
    }

    TestDir dir;
    Basics::TValueList terminals;
    Basics::TValue waiter;
    const QDateTime now {QDate(2014, 3, 5), QTime(23, 10, 5)};
};

TEST_F(MessagesTest, EachTerminalGetsItsFirstFreeNumber)
{
    dir.write(QStringLiteral("var/messages/term.1.0"), "unread");

    const QStringList written = PosLib::sendMessage(terminals, 4, QStringLiteral("fiscalturn"),
                                                    &waiter, dir.path(), now);

    EXPECT_EQ(QStringList({dir.file(QStringLiteral("var/messages/term.1.1")),
                           dir.file(QStringLiteral("var/messages/term.2.0"))}),
              written);
    EXPECT_EQ(QByteArray("unread"), dir.read(QStringLiteral("var/messages/term.1.0")));
    EXPECT_EQ(QStringList({QStringLiteral("term.1.0"), QStringLiteral("term.1.1"),
                           QStringLiteral("term.2.0")}),
              QDir(dir.file(QStringLiteral("var/messages"))).entryList(QDir::Files, QDir::Name));
}

TEST_F(MessagesTest, MessageCarriesTypeSenderTimeAndText)
{
    PosLib::sendMessage(terminals, 4, QStringLiteral("fiscalturn"), &waiter, dir.path(), now);

    TMessages list;
    const TMessage *message = readMessage(list, QStringLiteral("term.2.0"));
    ASSERT_NE(nullptr, message);
    EXPECT_EQ(4, message->type());
    EXPECT_EQ(QStringLiteral("Anna"), message->fromWaiter());
    EXPECT_EQ(now.toString(), message->sendTime());
    EXPECT_EQ(QStringLiteral("fiscalturn"), message->message());
}

TEST_F(MessagesTest, WithoutSenderThereIsNoFromwait)
{
    PosLib::sendMessage(terminals, 1, QStringLiteral("hello"), nullptr, dir.path(), now);

    TMessages list;
    const TMessage *message = readMessage(list, QStringLiteral("term.1.0"));
    ASSERT_NE(nullptr, message);
    EXPECT_FALSE(message->has(QStringLiteral("fromwait")));
    EXPECT_EQ(QStringLiteral("hello"), message->message());
}

TEST_F(MessagesTest, WithoutRootTheWorkingDirectoryIsUsed)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    PosLib::sendMessage(terminals, 1, QStringLiteral("hello"), nullptr);
    QDir::setCurrent(previous);

    EXPECT_TRUE(dir.exists(QStringLiteral("var/messages/term.1.0")));
    EXPECT_TRUE(dir.exists(QStringLiteral("var/messages/term.2.0")));
}

} // namespace
