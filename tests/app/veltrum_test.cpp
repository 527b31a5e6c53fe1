#include "testdir.h"
#include "tfiscalfiles.h"
#include "tsumbatch.h"
#include "ttable.h"
#include "tvalue.h"
#include "veltrumprocess.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <gtest/gtest.h>

TEST(VeltrumDat, ListsAsXmlAndTextAndBack)
{
    TestDir dir;
    const QString waiters = dir.copyData(QStringLiteral("waiters.dat"));
    const Outcome xml = veltrum({QStringLiteral("dat"), QStringLiteral("to-xml"), waiters});
    ASSERT_EQ(0, xml.code) << xml.err.toStdString();
    EXPECT_TRUE(xml.out.contains(QStringLiteral("<waiters>")));
    EXPECT_TRUE(xml.out.contains(QStringLiteral("<name>Anna</name>")));

    const Outcome text
            = veltrum({QStringLiteral("dat"), QStringLiteral("to-text"), waiters,
                       QStringLiteral("id"), QStringLiteral("name"), QStringLiteral("teams")});
    EXPECT_EQ(QStringLiteral("1;Anna;1,3\n2;Bruno;\n3;;\n"), text.out);

    // the XML imported into a new file gives the same list
    dir.write(QStringLiteral("in.xml"), xml.out.toUtf8());
    const QString copy = dir.file(QStringLiteral("copy/waiters.dat"));
    const Outcome back = veltrum({QStringLiteral("dat"), QStringLiteral("from-xml"),
                                  dir.file(QStringLiteral("in.xml")), copy});
    ASSERT_EQ(0, back.code) << back.err.toStdString();
    // XML cannot tell a null text from an empty one; everything else survives
    Basics::TValueList original;
    Basics::TValueList imported;
    ASSERT_EQ(0, original.parseData(testData(QStringLiteral("waiters.dat"))));
    ASSERT_EQ(0, imported.parseData(dir.read(QStringLiteral("copy/waiters.dat"))));
    ASSERT_EQ(original.ids(), imported.ids());
    for (int id : original.ids())
        EXPECT_TRUE(*original.find(id) == *imported.find(id)) << id;
}

TEST(VeltrumDat, BadInputTouchesNothing)
{
    TestDir dir;
    EXPECT_EQ(1, veltrum({QStringLiteral("dat"), QStringLiteral("to-xml"),
                          dir.file(QStringLiteral("missing.dat"))})
                         .code);
    dir.write(QStringLiteral("corrupt.dat"), QByteArray::fromHex("01000000"));
    const Outcome corrupt = veltrum({QStringLiteral("dat"), QStringLiteral("to-xml"),
                                     dir.file(QStringLiteral("corrupt.dat"))});
    EXPECT_EQ(1, corrupt.code);
    EXPECT_TRUE(corrupt.err.contains(QStringLiteral("corrupt")));

    const QString waiters = dir.copyData(QStringLiteral("waiters.dat"));
    dir.write(QStringLiteral("bad.xml"), "<waiters><waiter>");
    EXPECT_EQ(1, veltrum({QStringLiteral("dat"), QStringLiteral("from-xml"),
                          dir.file(QStringLiteral("bad.xml")), waiters})
                         .code);
    EXPECT_EQ(testData(QStringLiteral("waiters.dat")), dir.read(QStringLiteral("waiters.dat")));
    EXPECT_FALSE(dir.exists(QStringLiteral("waiters.dat.new")));
    EXPECT_FALSE(dir.exists(QStringLiteral("waiters.dat.old")));

    EXPECT_EQ(2, veltrum({QStringLiteral("dat")}).code);
    EXPECT_EQ(2, veltrum({QStringLiteral("frobnicate")}).code);
    EXPECT_EQ(0, veltrum({QStringLiteral("--help")}).code);
    // the project's version, the revision it was built from and the day
    const Outcome version = veltrum({QStringLiteral("--version")});
    EXPECT_EQ(0, version.code);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Veltrum \\d+\\.\\d+\\.\\d+ \\([^)]+\\), built "
                                                  "\\d{4}-\\d{2}-\\d{2}\n$"))
                        .match(version.out)
                        .hasMatch())
            << version.out.toStdString();
    EXPECT_FALSE(version.out.contains(QStringLiteral("Build (7)")));
}

TEST(VeltrumDemo, WritesRefusesAndReplaces)
{
    TestDir dir;
    const QString root = dir.file(QStringLiteral("inst"));
    const QStringList args = {QStringLiteral("demo"),     root,
                              QStringLiteral("--days"),   QStringLiteral("2"),
                              QStringLiteral("--tables"), QStringLiteral("5"),
                              QStringLiteral("--today"),  QStringLiteral("2026-12-05")};
    ASSERT_EQ(0, veltrum(args).code);
    EXPECT_TRUE(dir.exists(QStringLiteral("inst/usr/data/waiters.dat")));
    EXPECT_EQ(1, veltrum(args).code);
    EXPECT_EQ(0, veltrum(args + QStringList(QStringLiteral("--force"))).code);

    dir.write(QStringLiteral("other/letter.txt"), "keep me");
    EXPECT_EQ(1, veltrum({QStringLiteral("demo"), dir.file(QStringLiteral("other")),
                          QStringLiteral("--force")})
                         .code);
    EXPECT_EQ(QByteArray("keep me"), dir.read(QStringLiteral("other/letter.txt")));
    EXPECT_EQ(2,
              veltrum({QStringLiteral("demo"), root, QStringLiteral("--days"), QStringLiteral("x")})
                      .code);
}

TEST(VeltrumReport, EveryKindAndBatchRunsOverTheDemo)
{
    TestDir dir;
    const QString root = dir.file(QStringLiteral("inst"));
    ASSERT_EQ(0, veltrum({QStringLiteral("demo"), root, QStringLiteral("--days"),
                          QStringLiteral("3"), QStringLiteral("--tables"), QStringLiteral("12"),
                          QStringLiteral("--today"), QStringLiteral("2026-12-05")})
                         .code);
    const QStringList common = {QStringLiteral("report"), QStringLiteral("--data"), root,
                                QStringLiteral("--now"), QStringLiteral("2026-12-05T21:00:00")};
    const QStringList closedDays = {QStringLiteral("--from"), QStringLiteral("2026-12-02"),
                                    QStringLiteral("--to"), QStringLiteral("2026-12-04")};
    for (int kind = 3; kind <= 42; ++kind) {
        for (const QStringList &range : {QStringList(), closedDays}) {
            const Outcome r
                    = veltrum(common + range
                              + QStringList({QStringLiteral("--kind"), QString::number(kind)}));
            EXPECT_EQ(0, r.code) << kind << r.err.toStdString();
            EXPECT_FALSE(r.out.isEmpty()) << kind;
        }
    }
    // every batch of the demo, over the current day, the closed days and one
    // closed day; a fiscal batch over one closed day writes its summary once
    // and shows that file from then on, the other runs store nothing
    const QStringList oneDay = {QStringLiteral("--from"), QStringLiteral("2026-12-02")};
    PosLib::TSumBatches batches;
    ASSERT_EQ(0, batches.load(root.toLocal8Bit().constData()));
    ASSERT_FALSE(batches.isEmpty());
    int fiscal = 0;
    for (int id : batches.ids()) {
        const bool isFiscal = batches.batch(id)->fiscal();
        fiscal += isFiscal ? 1 : 0;
        for (const QStringList &range : {QStringList(), closedDays, oneDay}) {
            const QString file = PosLib::fiscalFileName(
                    range.isEmpty() ? QDate(2026, 12, 5) : QDate(2026, 12, 2), id, root);
            EXPECT_FALSE(QFileInfo::exists(file)) << id;
            const QStringList args
                    = common + range
                      + QStringList({QStringLiteral("--kind"), QString::number(100 + id)});
            const Outcome first = veltrum(args);
            EXPECT_EQ(0, first.code) << id << first.err.toStdString();
            EXPECT_TRUE(first.out.startsWith(batches.batch(id)->name() + QLatin1Char('\n')))
                    << id << first.out.left(40).toStdString();
            EXPECT_TRUE(first.out.contains(QStringLiteral("\nBatch report\n"))) << id;
            if (!isFiscal || range != oneDay) {
                const QStringList stored
                        = QDir(root + QStringLiteral("/var/reports"))
                                  .entryList({QStringLiteral("*.%1.fiscal").arg(id)});
                EXPECT_TRUE(stored.isEmpty()) << id << stored.join(' ');
                continue;
            }
            EXPECT_TRUE(first.out.contains(QStringLiteral("\nFiscal Summary "))) << id;
            QFile stored(file);
            ASSERT_TRUE(stored.open(QIODevice::ReadOnly)) << id;
            const QByteArray bytes = stored.readAll();
            EXPECT_TRUE(first.out.endsWith(QString::fromUtf8(bytes) + QLatin1Char('\n'))) << id;
            // an old stamp shows whether the second run writes the file again
            const QDateTime old(QDate(2020, 1, 1), QTime(12, 0));
            ASSERT_TRUE(stored.setFileTime(old, QFileDevice::FileModificationTime));
            stored.close();
            const Outcome second = veltrum(args);
            EXPECT_EQ(0, second.code) << id;
            EXPECT_EQ(first.out, second.out) << id;
            EXPECT_EQ(old.toString(Qt::ISODate),
                      QFileInfo(file).lastModified().toString(Qt::ISODate))
                    << id;
            stored.open(QIODevice::ReadOnly);
            EXPECT_EQ(bytes, stored.readAll()) << id;
        }
    }
    EXPECT_GE(fiscal, 1);
    const Outcome noBatch
            = veltrum(common + QStringList({QStringLiteral("--kind"), QStringLiteral("199")}));
    EXPECT_EQ(1, noBatch.code);
    EXPECT_EQ(QStringLiteral("Batch not found\n"), noBatch.out);

    const Outcome waiters
            = veltrum(common + QStringList({QStringLiteral("--kind"), QStringLiteral("5")}));
    EXPECT_TRUE(waiters.out.startsWith(QStringLiteral("Summary for: Trattoria Veltrum\n")));
    EXPECT_TRUE(waiters.out.contains(QStringLiteral("Waiter #1 - Anna")));

    EXPECT_EQ(2,
              veltrum(common + QStringList({QStringLiteral("--kind"), QStringLiteral("77")})).code);
    EXPECT_EQ(2, veltrum(common
                         + QStringList({QStringLiteral("--kind"), QStringLiteral("5"),
                                        QStringLiteral("--from"), QStringLiteral("5.3.2014")}))
                         .code);
    EXPECT_EQ(2, veltrum({QStringLiteral("report"), QStringLiteral("--data"),
                          dir.file(QStringLiteral("nowhere")), QStringLiteral("--kind"),
                          QStringLiteral("5")})
                         .code);
}

TEST(VeltrumTurnover, ExitCodesAndTexts)
{
    TestDir dir;
    const QString root = dir.file(QStringLiteral("inst"));
    ASSERT_EQ(0, veltrum({QStringLiteral("demo"), root, QStringLiteral("--days"),
                          QStringLiteral("1"), QStringLiteral("--tables"), QStringLiteral("20"),
                          QStringLiteral("--today"), QStringLiteral("2026-12-05")})
                         .code);
    const QStringList turnover = {QStringLiteral("turnover"), QStringLiteral("--data"), root,
                                  QStringLiteral("--date"), QStringLiteral("2026-12-05")};
    auto paid = [&] {
        return QDir(root + QStringLiteral("/var/archives"))
                .entryList(QStringList(QStringLiteral("a*")), QDir::Files)
                .size();
    };
    const int paidBefore = paid();
    ASSERT_GT(paidBefore, 0);

    // the demo leaves tables open; with none held by a terminal, each counts
    QDir(root + QStringLiteral("/var/activetables")).removeRecursively();
    Outcome r = veltrum(turnover);
    EXPECT_EQ(3, r.code);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("veltrum: turnover: there still are open tables; "
                                                "close them on the terminals, or add --force")))
            << r.err;
    EXPECT_TRUE(r.err.contains(QStringLiteral("\n  table "))) << r.err;
    EXPECT_EQ(paidBefore, paid());

    // a waiter run of the creator of an open table
    const QString openTable = QDir(root + QStringLiteral("/var/tables"))
                                      .entryInfoList(QStringList(QStringLiteral("t*")), QDir::Files)
                                      .value(0)
                                      .absoluteFilePath();
    PosLib::TTable open(nullptr);
    ASSERT_EQ(0, open.load(openTable, false));
    const QString owner = QString::number(open.create().waiter());
    const QStringList ownersRun
            = turnover
              + QStringList({QStringLiteral("--waiter"), owner, QStringLiteral("--force")});
    r = veltrum(ownersRun);
    EXPECT_EQ(1, r.code);
    EXPECT_EQ(QStringLiteral("veltrum: turnover: Waiter %1 still owns an open table; the closing "
                             "of their tables was refused\n")
                      .arg(owner),
              r.err);

    const QString dayDir = root + QStringLiteral("/var/statist/tag05.12.2026/");
    QDir(root + QStringLiteral("/var/tables")).removeRecursively();
    r = veltrum(ownersRun);
    EXPECT_EQ(0, r.code) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Closed 2026-12-05: "))) << r.out;
    EXPECT_TRUE(r.out.contains(dayDir)) << r.out;
    r = veltrum(ownersRun);
    EXPECT_EQ(1, r.code);
    EXPECT_EQ(QStringLiteral("veltrum: turnover: Waiter %1 closed 2026-12-05 already\n").arg(owner),
              r.err);

    // the waiter's closing leaves the day open for the whole-day closing
    r = veltrum(turnover);
    EXPECT_EQ(0, r.code) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Closed 2026-12-05: "))) << r.out;
    EXPECT_EQ(0, paid());

    // closing the closed day again takes --force, and says it uses a Z number
    const QByteArray journalBefore
            = dir.read(QStringLiteral("inst/var/statist/tag05.12.2026/turnover.z"));
    r = veltrum(turnover);
    EXPECT_EQ(1, r.code);
    EXPECT_TRUE(r.err.contains(QStringLiteral("2026-12-05 was closed already; closing it again "
                                              "uses Z counter ")))
            << r.err;
    EXPECT_EQ(journalBefore, dir.read(QStringLiteral("inst/var/statist/tag05.12.2026/turnover.z")));
    r = veltrum(turnover + QStringList(QStringLiteral("--force")));
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_TRUE(r.err.contains(QStringLiteral("closing 2026-12-05 again; Z counter "))) << r.err;
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Closed 2026-12-05: 0 bills moved"))) << r.out;
    r = veltrum(turnover
                + QStringList({QStringLiteral("--force"), QStringLiteral("--cancel-if-empty")}));
    EXPECT_EQ(1, r.code);
    EXPECT_EQ(QStringLiteral("veltrum: turnover: Nothing to close for 2026-12-05: var/archives "
                             "holds no paid table (--cancel-if-empty)\n"),
              r.err);

    // a journal that cannot be written fails the run inside
    const QString journal = root + QStringLiteral("/var/statist/tag05.12.2026/turnover.z");
    ASSERT_TRUE(QFile::remove(journal));
    ASSERT_TRUE(QDir().mkpath(journal));
    r = veltrum(turnover);
    EXPECT_EQ(1, r.code);
    // the file and the cause in words; source positions go only to the log
    EXPECT_EQ(QStringLiteral("veltrum: turnover: the closing of 2026-12-05 failed: the run could "
                             "not be journalled in %1 (%1: system error 21 (Is a directory)); 0 "
                             "bills moved before stay moved\n")
                      .arg(journal),
              r.err);
    // the next run must first journal the run before: it fails on the
    // same file, and the log has the cause (the system's logs are UTF-16)
    r = veltrum(turnover
                + QStringList({QStringLiteral("--log"), dir.file(QStringLiteral("turnover.log"))}));
    EXPECT_EQ(1, r.code);
    EXPECT_TRUE(r.err.contains(QStringLiteral("(%1: system error 21").arg(journal))) << r.err;
    EXPECT_FALSE(r.err.contains(QStringLiteral(", line "))) << r.err;
    QStringDecoder utf16(QStringDecoder::Utf16);
    const QString log = utf16(dir.read(QStringLiteral("turnover.log")));
    EXPECT_TRUE(log.contains(QStringLiteral("Turnover failed: fn %1, OS 21").arg(journal)))
            << log.toStdString();

    dir.write(QStringLiteral("inst/var/reports/20261205.1.fiscal"), "report");
    r = veltrum(turnover);
    EXPECT_EQ(1, r.code);
    EXPECT_EQ(QStringLiteral("veltrum: turnover: This day is already fiscalized!\n"), r.err);

    for (const QStringList &bad :
         {QStringList({QStringLiteral("turnover"), QStringLiteral("--data"), root}),
          QStringList({QStringLiteral("turnover"), QStringLiteral("--data"), root,
                       QStringLiteral("--date"), QStringLiteral("5.12.2026")}),
          turnover + QStringList(QStringLiteral("--frobnicate")),
          turnover + QStringList({QStringLiteral("--waiter"), QStringLiteral("99")}),
          turnover + QStringList({QStringLiteral("--exec-waiter"), QStringLiteral("99")}),
          QStringList({QStringLiteral("turnover"), QStringLiteral("--data"),
                       dir.file(QStringLiteral("nowhere")), QStringLiteral("--date"),
                       QStringLiteral("2026-12-05")})})
        EXPECT_EQ(2, veltrum(bad).code) << qPrintable(bad.join(' '));
}

TEST(VeltrumOffice, ScreenshotOfTheDemoWithoutADisplay)
{
    TestDir dir;
    const QString root = dir.file(QStringLiteral("inst"));
    ASSERT_EQ(0, veltrum({QStringLiteral("demo"), root, QStringLiteral("--days"),
                          QStringLiteral("1"), QStringLiteral("--tables"), QStringLiteral("5"),
                          QStringLiteral("--today"), QStringLiteral("2026-12-05")})
                         .code);
    QProcess office;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // the user's back-office settings stay untouched
    env.insert(QStringLiteral("VELTRUM_CONFIG"), dir.file(QStringLiteral("veltrum-office.ini")));
    office.setProcessEnvironment(env);
    const QString picture = dir.file(QStringLiteral("out.png"));
    office.start(binPath(QStringLiteral("veltrum-office")),
                 {QStringLiteral("--data"), root, QStringLiteral("--screenshot"), picture});
    ASSERT_TRUE(office.waitForFinished(120000));
    EXPECT_EQ(QProcess::NormalExit, office.exitStatus());
    EXPECT_EQ(0, office.exitCode()) << office.readAllStandardError().toStdString();

    const QImage image(picture);
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(image.width(), 200);
    EXPECT_GT(image.height(), 200);
    // a drawn window, not an empty canvas: text and icons bring many colours
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    }
    EXPECT_GT(colours.size(), 20);
}
