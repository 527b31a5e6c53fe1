#include "tbookingbatch.h"

#include <gtest/gtest.h>

using namespace PosLib;

TEST(BookingBatch, HeaderCarriesTheFormatTheAdviserAndTheRange)
{
    TBatchHeader h;
    h.created = QDateTime(QDate(2026, 12, 6), QTime(10, 15, 30, 123));
    h.consultant = 29098;
    h.client = 55003;
    h.fiscalYearStart = QDate(2026, 1, 1);
    h.from = QDate(2026, 11, 1);
    h.to = QDate(2026, 11, 30);
    h.name = QStringLiteral("Takings 01.11.2026 - 30.11.2026");
    h.dictation = QStringLiteral("VT");
    const QString line = TBookingBatch::headerLine(h);
    EXPECT_EQ(QStringLiteral("\"EXTF\";700;21;\"Buchungsstapel\";13;20261206101530123;;\"RE\";"
                             "\"Veltrum\";;29098;55003;20260101;4;20261101;20261130;"
                             "\"Takings 01.11.2026 - 30.11.2026\";\"VT\";1;;0;\"EUR\";;;;;;;;;"),
              line);
    EXPECT_EQ(TBookingBatch::HeaderFields, line.split(QLatin1Char(';')).size());
}

TEST(BookingBatch, TitlesAndBookingsHaveTheSameColumns)
{
    const QStringList &titles = TBookingBatch::columnTitles();
    EXPECT_EQ(125, titles.size());
    EXPECT_EQ(QStringLiteral("Umsatz (ohne Soll/Haben-Kz)"), titles.first());
    EXPECT_EQ(QStringLiteral("Buchungstext"), titles.at(13));
    EXPECT_EQ(titles.size(), TBookingBatch::titleLine().split(QLatin1Char(';')).size());
    EXPECT_TRUE(TBookingBatch::titleLine().startsWith(
            QStringLiteral("\"Umsatz (ohne Soll/Haben-Kz)\";\"Soll/Haben-Kennzeichen\";")));

    TBooking b;
    b.amount = 123456;
    b.debit = QStringLiteral("1000");
    b.credit = QStringLiteral("8400");
    b.date = QDate(2026, 3, 5);
    b.document = QStringLiteral("Z12");
    b.text = QStringLiteral("Revenue 19 % / \"Bar\"");
    const QString line = TBookingBatch::bookingLine(b);
    EXPECT_TRUE(line.startsWith(QStringLiteral(
            "1234,56;\"S\";;;;;1000;8400;;0503;\"Z12\";;;\"Revenue 19 % / \"\"Bar\"\"\";;")))
            << line.toStdString();
    EXPECT_EQ(titles.size(), line.split(QLatin1Char(';')).size());
}

TEST(BookingBatch, AmountsWithADecimalComma)
{
    EXPECT_EQ(QStringLiteral("0,05"), TBookingBatch::amountText(5));
    EXPECT_EQ(QStringLiteral("119,00"), TBookingBatch::amountText(11900));
    EXPECT_EQ(QStringLiteral("1234567,89"), TBookingBatch::amountText(123456789));
}

TEST(BookingBatch, EncodingEndsLinesWithCrLfAndNamesTheLineItCannotWrite)
{
    QByteArray out;
    QString error;
    ASSERT_TRUE(TBookingBatch::encode({QStringLiteral("a;\"Erlöse\""), QStringLiteral("b")}, &out,
                                      &error));
    EXPECT_EQ(QByteArray("a;\"Erl\xf6se\"\r\nb\r\n"), out);
    EXPECT_FALSE(TBookingBatch::encode({QStringLiteral("ok"), QStringLiteral("1,00;\"Karte ✓\";;")},
                                       &out, &error, 7));
    EXPECT_EQ(QStringLiteral("line 8: the character '✓' (U+2713) cannot be written in "
                             "Windows-1252: 1,00;\"Karte ✓\""),
              error);
}
