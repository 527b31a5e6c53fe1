#include "treceipt.h"

#include "testdir.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

const QStringList Report {
        QStringLiteral("Day turnover 12 from 05.12.2026"),
        QStringLiteral("==============================="),
        QString(),
        QStringLiteral("Closing..................: whole day"),
        QStringLiteral("Bill total...............: 1.737,05 EUR"),
        QStringLiteral("A caption far too long to share its line with the value..: 12,00 EUR"),
        QStringLiteral("Comment..................: Münzrolle fehlt, Kassenbuch geprüft, "
                       "Differenz an Geschäftsführung gemeldet"),
        QStringLiteral("Cash count"),
        QStringLiteral("=========="),
        QStringLiteral("a plain line of words that is wider than any receipt printer prints it"),
};

} // namespace

// Every width: no line longer, values at the right edge, headings keep
// their underline.
TEST(Receipt, TheZReportOnThreeWidths)
{
    for (int width : {32, 42, 48}) {
        ASSERT_TRUE(isReceiptWidth(width));
        const QStringList lines = receiptLines(Report, width);
        for (const QString &line : lines)
            EXPECT_LE(line.size(), width) << width << ": " << line.toStdString();
        EXPECT_EQ(Report[0].left(width), lines[0].left(width));
        EXPECT_EQ(QString(qMin(31, width), QLatin1Char('=')), lines[1]);
        const QString closing = lines.filter(QStringLiteral("Closing")).first();
        EXPECT_EQ(width, closing.size());
        EXPECT_TRUE(closing.startsWith(QStringLiteral("Closing ..")));
        EXPECT_TRUE(closing.endsWith(QStringLiteral(" whole day")));
        const QString total = lines.filter(QStringLiteral("Bill total")).first();
        EXPECT_TRUE(total.endsWith(QStringLiteral("1.737,05 EUR")));
        // the long caption on lines of its own, the value right-aligned
        const int at = int(lines.indexOf(QRegularExpression(QStringLiteral("^A caption.*"))));
        ASSERT_GE(at, 0);
        bool valueRight = false;
        for (int i = at; i < lines.size(); ++i)
            valueRight
                    = valueRight || lines[i] == QStringLiteral("12,00 EUR").rightJustified(width);
        EXPECT_TRUE(valueRight) << width;
        EXPECT_TRUE(lines.contains(QStringLiteral("==========")));
        // no word is lost when a line wraps
        const QString joined = lines.join(QLatin1Char(' ')).simplified();
        EXPECT_TRUE(joined.contains(
                QStringLiteral("a plain line of words that is wider than any receipt printer "
                               "prints it")))
                << joined.toStdString();
    }
    EXPECT_FALSE(isReceiptWidth(40));
}

// The ESC/POS bytes read back give the text, headings in bold, the euro
// sign and the umlauts in code page PC858, and the cut at the end.
TEST(Receipt, EscPosDecodesBackToTheText)
{
    QStringList lines = receiptLines(Report, 42);
    lines << QStringLiteral("Kassenbestand: 412,50 € (Ä Ö Ü ä ö ü ß)");
    const QByteArray bytes = escPosBytes(lines);
    ASSERT_TRUE(bytes.startsWith(QByteArray("\x1b@\x1bt\x13", 5)));
    EXPECT_TRUE(bytes.endsWith(QByteArray("\x1dV\x42\x03", 4)));
    EXPECT_TRUE(bytes.contains(QByteArray("412,50 \xd5", 8))); // the euro sign
    EXPECT_TRUE(bytes.contains(QByteArray("\x8e \x99 \x9a \x84 \x94 \x81 \xe1")));
    for (char c : bytes)
        EXPECT_FALSE(c == '?' && !Report.join(QString()).contains(QLatin1Char('?')));

    QString error;
    EXPECT_EQ(lines, escPosText(bytes, &error)) << error.toStdString();
    EXPECT_TRUE(error.isEmpty());
    const QStringList marked = escPosText(bytes, &error, QStringLiteral("**"));
    EXPECT_EQ(QStringLiteral("**") + lines[0], marked[0]);
    EXPECT_EQ(lines[1], marked[1]);
    EXPECT_EQ(QStringLiteral("**Cash count"), marked.filter(QStringLiteral("Cash count")).first());
    EXPECT_FALSE(marked.filter(QStringLiteral("Closing")).first().startsWith(QStringLiteral("**")));

    // a character the code page lacks, and bytes that are no receipt
    EXPECT_EQ('?', pc858(QChar(0x263A)));
    escPosText(QByteArray("\x1bq", 2), &error);
    EXPECT_FALSE(error.isEmpty());
}

TEST(Receipt, SentToAFileWhole)
{
    TestDir dir;
    const QString path = dir.file(QStringLiteral("z12.bin"));
    const QByteArray bytes = escPosBytes(receiptLines(Report, 32));
    QString error;
    ASSERT_TRUE(sendReceipt(bytes, path, QString(), &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(bytes, file.readAll());
    EXPECT_FALSE(
            sendReceipt(bytes, dir.file(QStringLiteral("no/such/dir/z.bin")), QString(), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("no/such/dir/z.bin"))) << error.toStdString();
}
