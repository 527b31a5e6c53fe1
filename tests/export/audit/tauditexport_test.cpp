#include "auditfiles.h"
#include "closeddemo.h"
#include "tauditexport.h"
#include "tclosingledger.h"
#include "testdir.h"
#include "tsavefile.h"
#include "tworkspacelists.h"
#include "tzreport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace PosLib;
using namespace auditfiles;

namespace {

const QDate Today(2026, 12, 5);

class AuditExportTest : public ::testing::Test
{
protected:
    void SetUp() override { root = dir.file(QStringLiteral("inst/")); }

    void writeDemo(int days, int tables)
    {
        closeddemo::write(root, days, tables, Today);
        writeCompany("[Company]\nname = Gasthaus \"Linde\" GmbH\nstreet = Hauptstraße 1\n"
                     "zip = 79098\ncity = Freiburg\ntaxnumber = 06/123/45678\n"
                     "vatid = DE123456789\n[CashRegister]\nid = KASSE-1\nbrand = Veltrum POS\n");
    }
    void writeCompany(const QByteArray &text)
    {
        QDir().mkpath(root + QStringLiteral("etc"));
        QFile file(root + QStringLiteral("etc/company.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    // Exports the range into `output` of the test directory; the error,
    // empty on success.
    QString exportRange(const QDate &from, const QDate &to, const QString &output,
                        std::function<bool()> keepGoing = {})
    {
        TAuditRequest request;
        request.root = root;
        request.from = from;
        request.to = to;
        request.output = dir.file(output);
        request.now = QDateTime(QDate(2026, 12, 6), QTime(9, 30, 14));
        QString error;
        TAuditExport exporter;
        exporter.setKeepGoing(std::move(keepGoing));
        return exporter.run(request, &result, &error) ? QString() : error;
    }
    Csv csv(const QString &name) { return parse(dir.read(name)); }

    TestDir dir;
    QString root;
    TAuditResult result;
};

// Sums of one closing, by key, from rows of a file.
QMap<QString, qint64> sumBy(const Csv &csv, const QString &z, const QString &keyColumn,
                            const QString &amountColumn,
                            const std::function<bool(qsizetype)> &take = {})
{
    QMap<QString, qint64> out;
    for (qsizetype i = 0; i < csv.rows.size(); ++i) {
        if (csv.value(i, QStringLiteral("Z_NR")) != z || (take && !take(i)))
            continue;
        out[csv.value(i, keyColumn)] += cents(csv.value(i, amountColumn));
    }
    return out;
}

} // namespace

TEST_F(AuditExportTest, EveryFileOfTheIndexIsThereWithItsColumnsAndValidates)
{
    writeDemo(3, 8);
    ASSERT_EQ(QString(),
              exportRange(QDate(2026, 12, 1), QDate(2026, 12, 4), QStringLiteral("audit")));
    EXPECT_EQ(dir.file(QStringLiteral("audit")), result.path);
    EXPECT_EQ(3, result.days);
    EXPECT_EQ(22, result.files);
    EXPECT_GT(result.bills, 10);

    const QByteArray index = dir.read(QStringLiteral("audit/index.xml"));
    const QMap<QString, QStringList> declared = declaredColumns(index);
    EXPECT_EQ(20, declared.size());
    for (const char *name : {"transactions.csv",
                             "transactions_vat.csv",
                             "allocation_groups.csv",
                             "datapayment.csv",
                             "references.csv",
                             "transactions_tse.csv",
                             "lines.csv",
                             "lines_vat.csv",
                             "itemamounts.csv",
                             "subitems.csv",
                             "cashpointclosing.csv",
                             "location.csv",
                             "cashregister.csv",
                             "slaves.csv",
                             "pa.csv",
                             "vat.csv",
                             "tse.csv",
                             "businesscases.csv",
                             "payment.csv",
                             "cash_per_currency.csv"})
        EXPECT_TRUE(declared.contains(QString::fromLatin1(name))) << name;
    for (auto it = declared.cbegin(); it != declared.cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        ASSERT_TRUE(dir.exists(QStringLiteral("audit/") + it.key()));
        const Csv file = csv(QStringLiteral("audit/") + it.key());
        EXPECT_TRUE(file.linesEndInCrLf);
        EXPECT_EQ(it.value(), file.columns);
        EXPECT_EQ((QStringList {QStringLiteral("Z_KASSE_ID"), QStringLiteral("Z_ERSTELLUNG"),
                                QStringLiteral("Z_NR")}),
                  it.value().mid(0, 3));
        for (const QStringList &row : file.rows) {
            ASSERT_EQ(it.value().size(), row.size());
            EXPECT_EQ(QStringLiteral("KASSE-1"), row.at(0));
        }
    }
    // the company's name with its quotes, read back whole
    EXPECT_EQ(QStringLiteral("Gasthaus \"Linde\" GmbH"),
              csv(QStringLiteral("audit/cashpointclosing.csv")).value(0, QStringLiteral("NAME")));
    // no security module: its files are there, its fields empty
    EXPECT_TRUE(csv(QStringLiteral("audit/tse.csv")).rows.isEmpty());
    const Csv tse = csv(QStringLiteral("audit/transactions_tse.csv"));
    ASSERT_EQ(result.bills, tse.rows.size());
    EXPECT_EQ(QString(), tse.value(0, QStringLiteral("TSE_TA_SIG")));

    // index.xml against the DTD beside it, by an independent validator
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    ASSERT_FALSE(xmllint.isEmpty()) << "xmllint (libxml2-utils, scripts/deps.sh) is needed";
    auto validate = [&](const QString &file) {
        QProcess p;
        p.setWorkingDirectory(dir.file(QStringLiteral("audit")));
        p.start(xmllint, {QStringLiteral("--noout"), QStringLiteral("--valid"), file});
        p.waitForFinished(60000);
        return std::make_pair(p.exitCode(), QString::fromUtf8(p.readAllStandardError()));
    };
    const auto valid = validate(QStringLiteral("index.xml"));
    EXPECT_EQ(0, valid.first) << valid.second.toStdString();
    // a table without its file name does not pass
    QByteArray broken = index;
    broken.replace("<URL>lines.csv</URL>", "");
    dir.write(QStringLiteral("audit/broken.xml"), broken);
    EXPECT_NE(0, validate(QStringLiteral("broken.xml")).first);
}

TEST_F(AuditExportTest, ClosingsAndBillsAreTheClosingRecordsAndTheZReports)
{
    writeDemo(5, 10);
    const QDate from(2026, 11, 30), to(2026, 12, 4);
    ASSERT_EQ(QString(), exportRange(from, to, QStringLiteral("audit/")));
    const Csv closings = csv(QStringLiteral("audit/cashpointclosing.csv"));
    const Csv bills = csv(QStringLiteral("audit/transactions.csv"));
    const Csv billVat = csv(QStringLiteral("audit/transactions_vat.csv"));
    const Csv lines = csv(QStringLiteral("audit/lines.csv"));
    const Csv lineVat = csv(QStringLiteral("audit/lines_vat.csv"));
    const Csv payments = csv(QStringLiteral("audit/datapayment.csv"));
    const Csv cases = csv(QStringLiteral("audit/businesscases.csv"));
    const Csv payment = csv(QStringLiteral("audit/payment.csv"));
    const Csv vat = csv(QStringLiteral("audit/vat.csv"));
    const Csv items = csv(QStringLiteral("audit/itemamounts.csv"));

    TWorkspaceLists lists(root);
    const TClosingLedger ledger(root);
    int checked = 0;
    QSet<QString> billIds;
    for (const TClosing &closing : ledger.closings()) {
        if (closing.date < from || closing.date > to)
            continue;
        const QString z = QString::number(closing.z);
        SCOPED_TRACE(z.toStdString());
        ASSERT_TRUE(closing.recordReadable);
        const TClosingRecord &record = closing.record;
        qsizetype row = -1;
        for (qsizetype i = 0; i < closings.rows.size(); ++i)
            if (closings.value(i, QStringLiteral("Z_NR")) == z)
                row = i;
        ASSERT_GE(row, 0);
        ++checked;
        EXPECT_EQ(closing.date.toString(Qt::ISODate),
                  closings.value(row, QStringLiteral("Z_BUCHUNGSTAG")));
        EXPECT_EQ(record.end.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")),
                  closings.value(row, QStringLiteral("Z_ERSTELLUNG")));
        EXPECT_EQ(QString::number(record.firstBill()),
                  closings.value(row, QStringLiteral("Z_START_ID")));
        EXPECT_EQ(QString::number(record.lastBill()),
                  closings.value(row, QStringLiteral("Z_ENDE_ID")));

        // the bills of the closing are those of its record, once each
        QList<long> ids;
        for (qsizetype i = 0; i < bills.rows.size(); ++i) {
            if (bills.value(i, QStringLiteral("Z_NR")) != z)
                continue;
            const QString id = bills.value(i, QStringLiteral("BON_ID"));
            EXPECT_FALSE(billIds.contains(id)) << id.toStdString();
            billIds.insert(id);
            ids << id.toLong();
        }
        QList<long> recorded;
        for (const TClosingBill &bill : record.bills)
            recorded << bill.bill;
        std::sort(ids.begin(), ids.end());
        std::sort(recorded.begin(), recorded.end());
        EXPECT_EQ(recorded, ids);

        // each bill's head is its VAT rows, as printed
        const QMap<QString, qint64> heads
                = sumBy(bills, z, QStringLiteral("BON_ID"), QStringLiteral("UMS_BRUTTO"));
        EXPECT_EQ(heads, sumBy(billVat, z, QStringLiteral("BON_ID"), QStringLiteral("BON_BRUTTO")));

        // the order lines per VAT key are the record's gross and net per
        // rate; the business cases say the same
        QMap<QString, int> rateOfKey;
        for (qsizetype i = 0; i < vat.rows.size(); ++i)
            if (vat.value(i, QStringLiteral("Z_NR")) == z)
                rateOfKey.insert(vat.value(i, QStringLiteral("UST_SCHLUESSEL")),
                                 int(cents(vat.value(i, QStringLiteral("UST_SATZ")))));
        auto orderLine = [&](qsizetype i) {
            const QString type = lines.value(i, QStringLiteral("GV_TYP"));
            return (type == QLatin1String("Umsatz")
                    || type == QLatin1String("MehrzweckgutscheinKauf"))
                   && lines.value(i, QStringLiteral("GV_NAME")).isEmpty();
        };
        QMap<QPair<QString, QString>, qsizetype> lineRow;
        for (qsizetype i = 0; i < lines.rows.size(); ++i)
            lineRow.insert({lines.value(i, QStringLiteral("BON_ID")),
                            lines.value(i, QStringLiteral("POS_ZEILE"))},
                           i);
        QMap<int, TClosingVat> byRate;
        for (qsizetype i = 0; i < lineVat.rows.size(); ++i) {
            if (lineVat.value(i, QStringLiteral("Z_NR")) != z)
                continue;
            const qsizetype l = lineRow.value({lineVat.value(i, QStringLiteral("BON_ID")),
                                               lineVat.value(i, QStringLiteral("POS_ZEILE"))},
                                              -1);
            ASSERT_GE(l, 0);
            if (!orderLine(l))
                continue;
            const QString key = lineVat.value(i, QStringLiteral("UST_SCHLUESSEL"));
            ASSERT_TRUE(rateOfKey.contains(key));
            byRate[rateOfKey.value(key)].gross
                    += cents(lineVat.value(i, QStringLiteral("POS_BRUTTO")));
            byRate[rateOfKey.value(key)].net
                    += cents(lineVat.value(i, QStringLiteral("POS_NETTO")));
        }
        EXPECT_EQ(record.totals.vatRates, byRate);
        qint64 caseGross = 0;
        for (qsizetype i = 0; i < cases.rows.size(); ++i) {
            const QString type = cases.value(i, QStringLiteral("GV_TYP"));
            if (cases.value(i, QStringLiteral("Z_NR")) == z
                && (type == QLatin1String("Umsatz")
                    || type == QLatin1String("MehrzweckgutscheinKauf"))
                && cases.value(i, QStringLiteral("GV_NAME")).isEmpty())
                caseGross += cents(cases.value(i, QStringLiteral("Z_UMS_BRUTTO")));
        }
        EXPECT_EQ(record.totals.amount, caseGross);

        // the payments per payform are the Z report's
        TZReport report(&lists, root);
        ASSERT_TRUE(report.build(closing.z, QDateTime(Today, QTime(12, 0))));
        const QJsonObject totals = report.data()
                                           .value(QStringLiteral("record"))
                                           .toObject()
                                           .value(QStringLiteral("totals"))
                                           .toObject();
        EXPECT_EQ(totals.value(QStringLiteral("amount")).toInteger(), record.totals.amount);
        QMap<QString, qint64> zPayments;
        qint64 zPaid = 0;
        for (const QJsonValue &p : totals.value(QStringLiteral("payments")).toArray()) {
            const QJsonObject o = p.toObject();
            zPayments[o.value(QStringLiteral("name")).toString()]
                    += o.value(QStringLiteral("amount")).toInteger();
            zPaid += o.value(QStringLiteral("amount")).toInteger();
        }
        EXPECT_EQ(zPayments, sumBy(payments, z, QStringLiteral("ZAHLART_NAME"),
                                   QStringLiteral("BASISWAEH_BETRAG")));
        EXPECT_EQ(zPayments, sumBy(payment, z, QStringLiteral("ZAHLART_NAME"),
                                   QStringLiteral("Z_ZAHLART_BETRAG")));
        EXPECT_EQ(zPaid, cents(closings.value(row, QStringLiteral("Z_SE_ZAHLUNGEN"))));
        const qint64 cash = sumBy(payment, z, QStringLiteral("ZAHLART_TYP"),
                                  QStringLiteral("Z_ZAHLART_BETRAG"))
                                    .value(QStringLiteral("Bar"));
        EXPECT_EQ(cash, cents(closings.value(row, QStringLiteral("Z_SE_BARZAHLUNGEN"))));
        EXPECT_GT(cash, 0);
    }
    EXPECT_EQ(5, checked);
    EXPECT_EQ(result.bills, billIds.size());

    // a discounted line: its price before the discount and the discount add up to it
    ASSERT_FALSE(items.rows.isEmpty());
    QMap<QPair<QString, QString>, qint64> itemSums;
    for (qsizetype i = 0; i < items.rows.size(); ++i)
        itemSums[{items.value(i, QStringLiteral("BON_ID")),
                  items.value(i, QStringLiteral("POS_ZEILE"))}]
                += cents(items.value(i, QStringLiteral("PF_BRUTTO")));
    for (qsizetype i = 0; i < lineVat.rows.size(); ++i) {
        const QPair<QString, QString> line {lineVat.value(i, QStringLiteral("BON_ID")),
                                            lineVat.value(i, QStringLiteral("POS_ZEILE"))};
        if (itemSums.contains(line)) {
            EXPECT_EQ(itemSums.value(line), cents(lineVat.value(i, QStringLiteral("POS_BRUTTO"))));
        }
    }
    // voided lines are marked, tips and vouchers are business cases
    bool voided = false;
    for (qsizetype i = 0; i < lines.rows.size(); ++i)
        voided = voided || lines.value(i, QStringLiteral("P_STORNO")) == QLatin1String("1");
    EXPECT_TRUE(voided);
    QSet<QString> types;
    for (qsizetype i = 0; i < cases.rows.size(); ++i)
        types.insert(cases.value(i, QStringLiteral("GV_TYP")));
    EXPECT_TRUE(types.contains(QStringLiteral("TrinkgeldAN")));
    // every line is a business case the format knows
    const QSet<QString> known {
            QStringLiteral("Umsatz"),          QStringLiteral("MehrzweckgutscheinKauf"),
            QStringLiteral("Pfand"),           QStringLiteral("Einzahlung"),
            QStringLiteral("Auszahlung"),      QStringLiteral("TrinkgeldAN"),
            QStringLiteral("DifferenzSollIst")};
    for (qsizetype i = 0; i < lines.rows.size(); ++i)
        types.insert(lines.value(i, QStringLiteral("GV_TYP")));
    EXPECT_EQ(QSet<QString>(), types - known);
    EXPECT_TRUE(types.contains(QStringLiteral("Auszahlung")));
}

TEST_F(AuditExportTest, TheArchiveHoldsTheSameFilesAndAnExportAgainIsTheSame)
{
    writeDemo(2, 6);
    const QDate from(2026, 12, 3), to(2026, 12, 4);
    ASSERT_EQ(QString(), exportRange(from, to, QStringLiteral("folder")));
    ASSERT_EQ(QString(), exportRange(from, to, QStringLiteral("audit.zip")));
    EXPECT_EQ(22, result.files);
    ASSERT_EQ(QString(), exportRange(from, to, QStringLiteral("again.zip")));
    EXPECT_EQ(dir.read(QStringLiteral("audit.zip")), dir.read(QStringLiteral("again.zip")));

    // an independent reader: every entry intact, the same bytes as the folder
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    ASSERT_FALSE(python.isEmpty());
    QProcess p;
    p.start(python,
            {QStringLiteral("-c"),
             QStringLiteral(
                     "import sys, zipfile, os\n"
                     "z = zipfile.ZipFile(sys.argv[1])\n"
                     "assert z.testzip() is None\n"
                     "for n in z.namelist():\n"
                     "    assert z.read(n) == open(os.path.join(sys.argv[2], n), 'rb').read(), n\n"
                     "print(len(z.namelist()))\n"),
             dir.file(QStringLiteral("audit.zip")), dir.file(QStringLiteral("folder"))});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(0, p.exitCode()) << p.readAllStandardError().toStdString();
    EXPECT_EQ("22", p.readAllStandardOutput().trimmed());
}

TEST_F(AuditExportTest, ACountedCashDifferenceIsTheClosingsDifferenzSollIst)
{
    // the 3rd counted with an empty drawer (short), the 4th not counted
    const QDate from(2026, 12, 3), to(2026, 12, 4);
    closeddemo::write(root, 2, 6, Today, {{from, 0}});
    writeCompany("[Company]\nname = Linde\nstreet = Weg 2\nzip = 1\ncity = Au\nvatid = DE1\n");
    ASSERT_EQ(QString(), exportRange(from, to, QStringLiteral("audit")));

    const Csv cases = csv(QStringLiteral("audit/businesscases.csv"));
    const Csv vat = csv(QStringLiteral("audit/vat.csv"));
    int counted = 0;
    const TClosingLedger sealedLedger(root);
    for (const TClosing &closing : sealedLedger.closings()) {
        if (closing.date < from || closing.date > to)
            continue;
        const QString z = QString::number(closing.z);
        SCOPED_TRACE(z.toStdString());
        QList<qsizetype> rows;
        for (qsizetype i = 0; i < cases.rows.size(); ++i) {
            if (cases.value(i, QStringLiteral("Z_NR")) == z
                && cases.value(i, QStringLiteral("GV_TYP")) == QLatin1String("DifferenzSollIst"))
                rows << i;
        }
        if (closing.record.cashCount.isEmpty()) {
            EXPECT_TRUE(rows.isEmpty());
            continue;
        }
        ++counted;
        const qint64 difference = closing.record.cashCount.difference();
        ASSERT_LT(difference, 0);
        ASSERT_EQ(1, rows.size());
        // not taxable: gross and net are the difference, under the key of 0 %
        EXPECT_EQ(difference, cents(cases.value(rows.first(), QStringLiteral("Z_UMS_BRUTTO"))));
        EXPECT_EQ(difference, cents(cases.value(rows.first(), QStringLiteral("Z_UMS_NETTO"))));
        EXPECT_EQ(QStringLiteral("5"), cases.value(rows.first(), QStringLiteral("UST_SCHLUESSEL")));
        EXPECT_EQ(1, sumBy(vat, z, QStringLiteral("UST_SCHLUESSEL"), QStringLiteral("UST_SATZ"))
                             .count(QStringLiteral("5")));
    }
    EXPECT_EQ(1, counted);
}

TEST_F(AuditExportTest, NothingIsWrittenWhenItCannotBeWhole)
{
    writeDemo(2, 6);
    const QDate from(2026, 12, 3), to(2026, 12, 4);
    auto leftOver = [&] {
        QStringList names = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        names.removeAll(QStringLiteral("inst"));
        return names;
    };

    // a folder with files is not mixed with another export
    dir.write(QStringLiteral("full/note.txt"), "mine");
    QString error = exportRange(from, to, QStringLiteral("full"));
    EXPECT_TRUE(error.contains(QStringLiteral("holds files"))) << error.toStdString();
    EXPECT_EQ(QStringList {QStringLiteral("note.txt")},
              QDir(dir.file(QStringLiteral("full"))).entryList(QDir::Files));
    QDir(dir.file(QStringLiteral("full"))).removeRecursively();

    // no company data: the file is named
    QFile::remove(root + QStringLiteral("etc/company.ini"));
    error = exportRange(from, to, QStringLiteral("out"));
    EXPECT_TRUE(error.contains(QStringLiteral("etc/company.ini: missing"))) << error.toStdString();
    writeCompany("[Company]\nname = Linde\nstreet = Weg 2\nzip = 1\ncity = Au\n");
    error = exportRange(from, to, QStringLiteral("out"));
    EXPECT_TRUE(error.contains(QStringLiteral("taxnumber or vatid"))) << error.toStdString();
    writeCompany("[Company]\nname = Linde\nstreet = Weg 2\nzip = 1\ncity = Au\nvatid = DE1\n"
                 "country = Germany\n");
    error = exportRange(from, to, QStringLiteral("out"));
    EXPECT_TRUE(error.contains(QStringLiteral("country = Germany"))) << error.toStdString();
    writeCompany("[Company]\nname = Linde\nstreet = Weg 2\nzip = 1\ncity = Au\nvatid = DE1\n");

    // no closed day in the range
    error = exportRange(QDate(2026, 12, 5), QDate(2026, 12, 9), QStringLiteral("out"));
    EXPECT_TRUE(error.contains(QStringLiteral("no closed day"))) << error.toStdString();

    // a bill changed after its closing: the day does not verify
    const TClosingLedger ledger(root);
    const TClosing &last = ledger.closings().last();
    ASSERT_FALSE(last.record.bills.isEmpty());
    QFile bill(last.dayDir + last.record.bills.first().file);
    ASSERT_TRUE(bill.open(QIODevice::Append));
    bill.write("x");
    bill.close();
    error = exportRange(from, to, QStringLiteral("out.zip"));
    EXPECT_TRUE(error.contains(QStringLiteral("does not verify"))) << error.toStdString();
    error = exportRange(from, to, QStringLiteral("out"));
    EXPECT_TRUE(error.contains(QStringLiteral("nothing was written"))) << error.toStdString();
    EXPECT_EQ(QStringList(), leftOver());
    bill.open(QIODevice::ReadWrite);
    bill.resize(bill.size() - 1);
    bill.close();

    // a file that cannot be written (the disk full) after the first day's
    // lines were: the file is named, nothing is left, in a folder or archive
    for (const QString &target : {QStringLiteral("out"), QStringLiteral("out.zip")}) {
        int writes = 0;
        Basics::setSaveFaultHook([&](Basics::TSaveStep step, const QString &path) {
            const bool lines = step == Basics::TSaveStep::Write
                               && path.contains(QStringLiteral("/lines.csv"));
            return lines && ++writes == 3 ? ENOSPC : 0;
        });
        error = exportRange(from, to, target);
        Basics::setSaveFaultHook({});
        EXPECT_EQ(3, writes);
        EXPECT_TRUE(error.contains(QStringLiteral("lines.csv"))) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("nothing was written"))) << error.toStdString();
        EXPECT_EQ(QStringList(), leftOver());
    }

    // cancelled after the first day
    for (const QString &target : {QStringLiteral("out"), QStringLiteral("out.zip")}) {
        int asked = 0;
        error = exportRange(from, to, target, [&asked] { return ++asked < 2; });
        EXPECT_EQ(2, asked);
        EXPECT_EQ(QStringLiteral("cancelled; nothing was written"), error);
        EXPECT_EQ(QStringList(), leftOver());
    }
    EXPECT_EQ(QString(), exportRange(from, to, QStringLiteral("out.zip")));
}
