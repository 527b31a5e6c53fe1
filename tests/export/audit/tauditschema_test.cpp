#include "auditfiles.h"
#include "tauditbuilder.h"
#include "tauditschema.h"
#include "tzipwriter.h"

#include <gtest/gtest.h>

using namespace PosLib;

TEST(AuditSchema, AmountsQuantitiesAndTextAreWrittenSoTheyReadBack)
{
    EXPECT_EQ(QStringLiteral("12.50"), auditAmount(1250));
    EXPECT_EQ(QStringLiteral("-0.05"), auditAmount(-5));
    EXPECT_EQ(QStringLiteral("0.00"), auditAmount(0));
    EXPECT_EQ(QStringLiteral("-1234567.89"), auditAmount(-123456789));
    EXPECT_EQ(QStringLiteral("1.500"), auditQuantity(1.5));
    EXPECT_EQ(QStringLiteral("-1.000"), auditQuantity(-1));
    EXPECT_EQ(QStringLiteral("0.000"), auditQuantity(-0.0001));
    EXPECT_EQ(QStringLiteral("0.334"), auditQuantity(1.0 / 3 + 0.0005));

    TAuditTable table = auditTables().first();
    ASSERT_EQ(QStringLiteral("transactions.csv"), table.file);
    QStringList row(table.columns.size());
    row[table.column(QStringLiteral("Z_KASSE_ID"))] = QStringLiteral("K1");
    row[table.column(QStringLiteral("BON_ID"))] = QStringLiteral("17");
    row[table.column(QStringLiteral("BON_NOTIZ"))]
            = QStringLiteral("Tisch \"am Fenster\", 2 € — ä");
    row[table.column(QStringLiteral("UMS_BRUTTO"))] = auditAmount(-250);
    table.append(row);
    const auditfiles::Csv back = auditfiles::parse(table.csv());
    EXPECT_TRUE(back.linesEndInCrLf);
    EXPECT_EQ(table.columnNames(), back.columns);
    ASSERT_EQ(1, back.rows.size());
    EXPECT_EQ(row, back.rows.first());
    // numbers bare, text quoted even when empty
    EXPECT_TRUE(table.csv().contains(",17,")) << table.csv().toStdString();
    EXPECT_TRUE(table.csv().contains(",-2.50,"));
    EXPECT_TRUE(table.csv().contains(",\"\","));
}

TEST(AuditSchema, VatKeysAreTheUsualOnesAndOthersGetTheirOwn)
{
    TAuditBuilder builder(TAuditCompany {});
    EXPECT_EQ(1, builder.vatKey(1900));
    EXPECT_EQ(2, builder.vatKey(700));
    EXPECT_EQ(5, builder.vatKey(0));
    EXPECT_EQ(1000, builder.vatKey(1300));
    EXPECT_EQ(1001, builder.vatKey(825));
    EXPECT_EQ(1000, builder.vatKey(1300));
    EXPECT_EQ(QStringLiteral("Regelsteuersatz 19 %"), vatKeyText(1, 1900));
    EXPECT_EQ(QStringLiteral("Steuersatz 8.25 %"), vatKeyText(1001, 825));
}

TEST(ZipWriter, ChecksumsAndRecordsAreThoseOfTheFormat)
{
    EXPECT_EQ(0xCBF43926u, TZipWriter::crc32("123456789"));
    EXPECT_EQ(0u, TZipWriter::crc32(QByteArray()));
    TZipWriter zip(QDateTime(QDate(2026, 12, 6), QTime(9, 30, 14)));
    zip.add(QStringLiteral("a.csv"), "x,y\r\n");
    zip.add(QStringLiteral("ü.xml"), QByteArray());
    const QByteArray bytes = zip.bytes();
    EXPECT_TRUE(bytes.startsWith("PK\x03\x04"));
    // the end record names two entries and where the directory starts
    const QByteArray end = bytes.right(22);
    ASSERT_TRUE(end.startsWith("PK\x05\x06"));
    EXPECT_EQ(2, quint8(end.at(10)));
    const quint32 offset = quint8(end.at(16)) | quint8(end.at(17)) << 8;
    EXPECT_TRUE(bytes.mid(offset).startsWith("PK\x01\x02"));
    EXPECT_TRUE(bytes.contains(QStringLiteral("ü.xml").toUtf8()));
}
