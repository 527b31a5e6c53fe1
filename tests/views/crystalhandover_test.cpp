// Report designs from the reports document, driven as a manager would:
// "Fast Crystal Reports" (F8) with the shipped daily sheet over the demo,
// "Crystal Reports" (F9) for the intermediate lists alone.

#include "crystaltest.h"
#include "modaldriver.h"
#include "screenshot.h"
#include "smalldemo.h"
#include "tcrystalviewer.h"
#include "tdlgcrystal.h"
#include "testdir.h"
#include "tinifile.h"
#include "tinstallation.h"
#include "toffconfig.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "tpaidtablesdoc.h"
#include "ttable.h"
#include "ttablelist.h"

#include <QDir>
#include <QListWidget>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using namespace PosLib;
using crystaltest::column;
using crystaltest::readList;

namespace {

const QString CrystalSection = QStringLiteral("Crystal");

// "1234.56" for 123456 cents.
QString money(qint64 cents)
{
    return QStringLiteral("%1%2.%3")
            .arg(cents < 0 ? QStringLiteral("-") : QString())
            .arg(qAbs(cents) / 100)
            .arg(qAbs(cents) % 100, 2, 10, QLatin1Char('0'));
}

// Today's payments per waiter, straight from the table files.
QMap<QString, qint64> paymentsByWaiter(const QString &root)
{
    QMap<QString, qint64> sums;
    std::unique_ptr<TTableList> list(archiveTables(root));
    TTableIterator it(list.get(), true, 0, nullptr, root);
    for (TTable *table = it.first(); table; table = it.next())
        table->entries().forEach([&](const TTableEntry *e) {
            if (e->type() == EntryPay && !e->isVoided())
                sums[e->waiterName()] += e->amount();
        });
    return sums;
}

class CrystalHandOver : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("VELTRUM_CONFIG", config.file(QStringLiteral("office.ini")).toLocal8Bit());
        TOffConfig::reload();
        Basics::TInifile &ini = TOffConfig::ini();
        ini.writeString(CrystalSection, QStringLiteral("Path"),
                        QStringLiteral(VELTRUM_REPORTS_DIR));
        ini.writeString(CrystalSection, QStringLiteral("DataPath"), lists.path());
        ini.writeString(CrystalSection, QStringLiteral("Logo"), QStringLiteral("logo.png"));
        ini.writeString(CrystalSection, QStringLiteral("Header1"),
                        QStringLiteral("Thank you for your visit"));
        ini.writeString(CrystalSection, QStringLiteral("Footer1"),
                        QStringLiteral("Closing at midnight"));
        ini.writeString(CrystalSection, QStringLiteral("Terminal"), QStringLiteral("Office"));

        workspace = std::make_unique<TOffWorkspace>(root);
        window = std::make_unique<TOffWindow>(workspace.get());
        window->resize(1000, 640);
        doc = new TPaidTablesDoc(window.get());
        workspace->documents().insert(doc->key(), doc);
        window->show();
        window->showDocument(doc);
    }
    void TearDown() override
    {
        window.reset();
        workspace.reset();
        TOffConfig::reload();
    }

    // Answers the report dialog with the entry of that name.
    static void choose(ModalDriver &driver, const QString &name)
    {
        driver.then([name](QDialog *dialog) {
            auto *choice = static_cast<TDlgCrystal *>(dialog);
            const QList<QListWidgetItem *> found
                    = choice->list()->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(1, found.size());
            choice->list()->setCurrentItem(found.first());
            screenshot(choice, "fastreports.png");
            choice->accept();
        });
    }

    const QString root = smalldemo::shared();
    TestDir config;
    TestDir lists;
    std::unique_ptr<TOffWorkspace> workspace;
    std::unique_ptr<TOffWindow> window;
    TPaidTablesDoc *doc = nullptr;
};

} // namespace

TEST_F(CrystalHandOver, BothButtonsWhenTheEngineAndTheReportsAreThere)
{
    ASSERT_TRUE(window->CrystalReportsAvailable());
    ASSERT_TRUE(window->FastCrystalReportsAvailable());
    ASSERT_NE(nullptr, doc->crystalButton());
    ASSERT_NE(nullptr, doc->fastCrystalButton());
    EXPECT_EQ(QKeySequence(Qt::Key_F9), doc->crystalButton()->shortcut());
    EXPECT_EQ(QKeySequence(Qt::Key_F8), doc->fastCrystalButton()->shortcut());
    EXPECT_EQ(QStringLiteral("Hit F8 or this button to\nview"),
              doc->fastCrystalButton()->toolTip());

    // without a reports directory only the export is offered
    TOffConfig::ini().writeString(CrystalSection, QStringLiteral("Path"),
                                  lists.file(QStringLiteral("no")));
    doc->onSelection();
    EXPECT_NE(nullptr, doc->crystalButton());
    EXPECT_EQ(nullptr, doc->fastCrystalButton());
}

TEST_F(CrystalHandOver, F8FillsTheDailySheetAndShowsIt)
{
    ModalDriver driver;
    choose(driver, QStringLiteral("Daily sheet per waiter"));
    window->setReportWaiter(1);
    // the current business day, on whichever side of a day's start the click falls
    const QDate before = businessDay(root, QDateTime::currentDateTime());
    doc->fastCrystalButton()->click();
    const QDate after = businessDay(root, QDateTime::currentDateTime());
    EXPECT_EQ(QStringList {QStringLiteral("tdlgcrystal")}, driver.dialogs);
    EXPECT_TRUE(driver.boxes.isEmpty()) << driver.boxes.join(QLatin1Char('\n')).toStdString();

    TCrystalViewer *viewer = window->crystalViewer();
    ASSERT_NE(nullptr, viewer);
    EXPECT_EQ(QStringLiteral("Auswertung"), viewer->windowTitle());
    const QString text = viewer->document()->toPlainText();

    // parameters by name: dates, report, header line, installation data;
    // the design's own "signature" is no name the back office fills
    const QRegularExpressionMatch range
            = QRegularExpression(QStringLiteral("Range (\\S+) – (\\S+)")).match(text);
    ASSERT_TRUE(range.hasMatch()) << text.toStdString();
    EXPECT_EQ(range.captured(1), range.captured(2));
    EXPECT_TRUE(range.captured(1) == before.toString(QStringLiteral("dd.MM.yyyy"))
                || range.captured(1) == after.toString(QStringLiteral("dd.MM.yyyy")));
    EXPECT_TRUE(text.contains(QStringLiteral("Daily sheet per waiter")));
    EXPECT_TRUE(text.contains(QStringLiteral("User Anna"))) << "the report waiter";
    EXPECT_TRUE(text.contains(QStringLiteral("Thank you for your visit")));
    EXPECT_TRUE(text.contains(QStringLiteral("Closing at midnight")));
    EXPECT_TRUE(text.contains(QStringLiteral("Via Roma 12")));
    EXPECT_TRUE(text.contains(QStringLiteral("Signature: ______")));
    EXPECT_FALSE(text.contains(QLatin1Char('{'))) << "every placeholder filled";

    // the figures: each waiter's payments and all of them
    const QMap<QString, qint64> sums = paymentsByWaiter(root);
    ASSERT_GE(sums.size(), 2);
    qint64 total = 0;
    for (auto it = sums.begin(); it != sums.end(); ++it) {
        const int at = int(text.indexOf(QStringLiteral("Total ") + it.key()));
        ASSERT_GE(at, 0) << it.key().toStdString();
        EXPECT_TRUE(text.mid(at, 80).contains(money(it.value())))
                << it.key().toStdString() << " " << money(it.value()).toStdString();
        total += it.value();
    }
    const int all = int(text.lastIndexOf(QStringLiteral("All waiters")));
    ASSERT_GE(all, 0);
    EXPECT_TRUE(text.mid(all).contains(money(total))) << money(total).toStdString();

    // the printed form: page header and footer around the body
    const QByteArray pdf = viewer->pdf();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    screenshot(viewer, "fastreport.png");
    const QString docs = qEnvironmentVariable("VELTRUM_SCREENSHOTS");
    if (!docs.isEmpty()) {
        EXPECT_TRUE(viewer->writePdf(QDir(docs).filePath(QStringLiteral("fastreport.pdf")), false));
    }
}

TEST_F(CrystalHandOver, NoChoiceIsAnEmptySelection)
{
    ModalDriver driver;
    driver.then([](QDialog *dialog) {
        static_cast<TDlgCrystal *>(dialog)->list()->clearSelection();
        dialog->accept();
    });
    doc->onFastCrystal();
    EXPECT_EQ(QStringList {QStringLiteral("Error: Selected report is empty")}, driver.boxes);
    EXPECT_EQ(nullptr, window->crystalViewer());
}

TEST_F(CrystalHandOver, F9WritesTheIntermediateLists)
{
    doc->crystalButton()->click();
    for (const char *name : {"tables", "creates", "orders", "voids", "pays", "infos", "splits"})
        EXPECT_TRUE(lists.exists(QLatin1String(name) + QStringLiteral(".txt"))) << name;
    EXPECT_EQ(QStringLiteral("Report data written to %1").arg(lists.path()), window->statusText());
    EXPECT_TRUE(lists.read(QStringLiteral("tables.txt")).startsWith("id,ref_table,"));

    // a list that cannot be removed stops the export
    lists.write(QStringLiteral("pays.txt"), "old");
    QDir(lists.path()).remove(QStringLiteral("tables.txt"));
    QDir(lists.path()).mkpath(QStringLiteral("tables.txt/busy"));
    ModalDriver driver;
    doc->onCrystal();
    ASSERT_EQ(1, driver.boxes.size());
    EXPECT_TRUE(driver.boxes.first().startsWith(
            QStringLiteral("Error: Unable to remove intermediate files\n(")))
            << driver.boxes.first().toStdString();
    EXPECT_EQ(QByteArray("old"), lists.read(QStringLiteral("pays.txt")));
}

TEST_F(CrystalHandOver, F9OverAnOutletOfThreeDataPathsAppendsToTheSameLists)
{
    // two more terminals' installations beside the demo, and an outlet over all three
    TestDir second;
    TestDir third;
    PosLib::TDemoOptions options;
    options.days = 1;
    options.tables = 6;
    options.today = smalldemo::Today;
    options.seed = 2;
    PosLib::TDemoInstallation(options).write(second.path());
    options.seed = 3;
    PosLib::TDemoInstallation(options).write(third.path());
    const QStringList roots {root, second.path(), third.path()};

    // the document reads the outlets when it is made: a new workspace and window
    window.reset();
    workspace = std::make_unique<TOffWorkspace>(root);
    Basics::TValueList *terminals = workspace->getData(QStringLiteral("outlets"));
    Basics::TValueList *tree = workspace->getData(QStringLiteral("sumoutlets"));
    ASSERT_TRUE(terminals && tree);
    for (int i = 2; i <= 3; ++i) {
        auto *path = new Basics::TValue;
        path->setId(i);
        path->setName(QStringLiteral("Terminal %1").arg(i));
        path->setString(QStringLiteral("path"), roots.at(i - 1));
        terminals->insert(path);
    }
    auto *outlet = new Basics::TValue;
    outlet->setId(9);
    outlet->setName(QStringLiteral("Three terminals"));
    outlet->setBool(QStringLiteral("isleaf"), true);
    outlet->setString(QStringLiteral("outlets"), QStringLiteral("1;2;3"));
    tree->insert(outlet);
    window = std::make_unique<TOffWindow>(workspace.get());
    doc = new TPaidTablesDoc(window.get());
    workspace->documents().insert(doc->key(), doc);
    window->show();
    window->showDocument(doc);
    ASSERT_NE(nullptr, doc->outletSelector());
    ASSERT_TRUE(doc->outletSelector()->setCurrentId(9));

    lists.write(QStringLiteral("orders.txt"), "stale");
    doc->crystalButton()->click();

    // the tables of each data path in turn, numbered through all of them
    QStringList outletIds;
    for (int i = 0; i < 3; ++i) {
        std::unique_ptr<TTableList> list(archiveTables(roots.at(i)));
        TTableIterator it(list.get(), true, 0, nullptr, roots.at(i));
        for (TTable *table = it.first(); table; table = it.next())
            outletIds << QString::number(i + 1);
    }
    const PrintEngine::TDataList tables = readList(lists.path(), QStringLiteral("tables"));
    EXPECT_EQ(outletIds, column(tables, QStringLiteral("c_outletid")));
    QStringList numbers;
    for (int n = 1; n <= outletIds.size(); ++n)
        numbers << QString::number(n);
    EXPECT_EQ(numbers, column(tables, QStringLiteral("ref_table")));
    for (const QString &number : column(tables, QStringLiteral("rep_outlet")))
        EXPECT_EQ(QStringLiteral("9"), number);
    EXPECT_EQ(1, lists.read(QStringLiteral("tables.txt")).count("id,ref_table,"))
            << "one header line";

    // every record of the other lists names one of those tables; the old
    // orders are gone, one infos record per data path
    const QSet<QString> known(numbers.begin(), numbers.end());
    for (const char *name : {"creates", "orders", "voids", "pays", "splits"}) {
        const PrintEngine::TDataList list = readList(lists.path(), QLatin1String(name));
        for (const QString &ref : column(list, QStringLiteral("ref_table")))
            EXPECT_TRUE(known.contains(ref)) << name << " names table " << ref.toStdString();
    }
    EXPECT_EQ(numbers, column(readList(lists.path(), QStringLiteral("creates")),
                              QStringLiteral("ref_table")));
    EXPECT_GT(readList(lists.path(), QStringLiteral("orders")).count(), 0);
    EXPECT_EQ(3, readList(lists.path(), QStringLiteral("infos")).count());
}
