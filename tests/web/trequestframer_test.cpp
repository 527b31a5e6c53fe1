#include "trequestframer.h"

#include <gtest/gtest.h>

using namespace WebLib;
using Verdict = TRequestFramer::Verdict;

namespace {

TWebLimits smallLimits()
{
    TWebLimits limits;
    limits.maxHeaderBytes = 100;
    limits.maxBodyBytes = 10;
    return limits;
}

// A request whose line and headers take exactly `size` bytes.
QByteArray headOf(int size)
{
    QByteArray head = "GET / HTTP/1.1\r\nX: ";
    const QByteArray end = "\r\n\r\n";
    head += QByteArray(size - head.size() - end.size(), 'a');
    return head + end;
}

} // namespace

TEST(RequestFramer, HeadersUpToTheLimitPassOneByteMoreIsRefused)
{
    {
        TRequestFramer framer(smallLimits());
        EXPECT_EQ(Verdict::Ok, framer.feed(headOf(100)));
        EXPECT_EQ(1, framer.completed());
        EXPECT_FALSE(framer.inRequest());
    }
    {
        TRequestFramer framer(smallLimits());
        EXPECT_EQ(Verdict::HeaderTooLarge, framer.feed(headOf(101)));
    }
    {
        // refused as soon as the limit is passed, without the end of the headers
        TRequestFramer framer(smallLimits());
        EXPECT_EQ(Verdict::Ok,
                  framer.feed(QByteArray("GET / HTTP/1.1\r\nX: ") + QByteArray(50, 'a')));
        EXPECT_TRUE(framer.inRequest());
        EXPECT_EQ(Verdict::HeaderTooLarge, framer.feed(QByteArray(40, 'a')));
        // and stays refused
        EXPECT_EQ(Verdict::HeaderTooLarge, framer.feed("\r\n\r\n"));
    }
}

TEST(RequestFramer, AByteAtATimeIsTheSameAsAllAtOnce)
{
    const QByteArray stream = headOf(60)
                              + "POST /api/login HTTP/1.1\r\nContent-Length: 5\r\n\r\nhello"
                              + headOf(100);
    TRequestFramer framer(smallLimits());
    for (char c : stream)
        ASSERT_EQ(Verdict::Ok, framer.feed(&c, 1));
    EXPECT_EQ(3, framer.completed());
    EXPECT_FALSE(framer.inRequest());
    TRequestFramer whole(smallLimits());
    EXPECT_EQ(Verdict::Ok, whole.feed(stream));
    EXPECT_EQ(3, whole.completed());
}

TEST(RequestFramer, ABodyLargerThanTheLimitIsRefusedBeforeItComes)
{
    TRequestFramer framer(smallLimits());
    EXPECT_EQ(Verdict::Ok, framer.feed("POST / HTTP/1.1\r\nContent-Length: 10\r\n\r\n0123456789"));
    EXPECT_EQ(Verdict::BodyTooLarge,
              framer.feed("POST / HTTP/1.1\r\ncontent-length:  11 \r\n\r\n"));
    TRequestFramer huge(smallLimits());
    EXPECT_EQ(Verdict::BodyTooLarge,
              huge.feed("POST / HTTP/1.1\r\nContent-Length: 99999999999999\r\n\r\n"));
}

TEST(RequestFramer, BodiesWithoutOrWithContradictingLengthsAreRefused)
{
    const struct
    {
        QByteArray head;
        Verdict verdict;
    } cases[] = {
            {"POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n", Verdict::NoLength},
            {"POST / HTTP/1.1\r\nContent-Length: 3\r\nContent-Length: 4\r\n\r\n",
             Verdict::BadFraming},
            {"POST / HTTP/1.1\r\nContent-Length: -1\r\n\r\n", Verdict::BadFraming},
            {"POST / HTTP/1.1\r\nContent-Length: 1e3\r\n\r\n", Verdict::BadFraming},
            {"POST / HTTP/1.1\r\nContent-Length: \r\n\r\n", Verdict::BadFraming},
            {"POST / HTTP/1.1\r\nContent-Length: 0x5\r\n\r\n", Verdict::BadFraming},
            {"POST / HTTP/1.1\r\nContent-Length: 3\r\nContent-Length: 3\r\n\r\n", Verdict::Ok},
    };
    for (const auto &c : cases) {
        TRequestFramer framer(smallLimits());
        EXPECT_EQ(c.verdict, framer.feed(c.head)) << c.head.toStdString();
    }
}

TEST(RequestFramer, ABodyIsNotTakenForTheNextRequest)
{
    // a body that looks like headers does not count against the header limit
    TRequestFramer framer(smallLimits());
    EXPECT_EQ(Verdict::Ok, framer.feed("POST / HTTP/1.1\r\nContent-Length: 8\r\n\r\n"));
    EXPECT_TRUE(framer.inRequest());
    EXPECT_EQ(Verdict::Ok, framer.feed("\r\n\r\n\r\n\r\n"));
    EXPECT_EQ(1, framer.completed());
    EXPECT_FALSE(framer.inRequest());
    // blank lines between requests are no request
    EXPECT_EQ(Verdict::Ok, framer.feed("\r\n\r\n"));
    EXPECT_FALSE(framer.inRequest());
    EXPECT_EQ(1, framer.completed());
}
