#include "viewstest.h"

#include "tlocaltext.h"

#include "tofflistview.h"
#include "topentablesdoc.h"
#include "tround.h"
#include "ttable.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QToolButton>

using namespace viewstest;

namespace {

class OpenTablesDoc : public DemoWindow
{
protected:
    // The stored total of an open table file, in cents.
    long storedAmount(const QString &name) const
    {
        PosLib::TTable table(0, 0, nullptr, dir.path());
        EXPECT_EQ(0, table.load(dir.file(QStringLiteral("var/tables/") + name), false));
        return long(PosLib::roundHalfUp(table.amount()));
    }

    static QStringList childTexts(QTreeWidgetItem *item, int column = 0)
    {
        QStringList texts;
        for (int i = 0; i < item->childCount(); ++i)
            texts << item->child(i)->text(column);
        return texts;
    }

    static QString euro(long cents)
    {
        return QStringLiteral("%1,%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
    }
};

TEST_F(OpenTablesDoc, ListsTheVisibleOpenTablesButNotTheHeldOne)
{
    // the demo's open tables: 27 is on a handheld's screen, 28 partly paid
    ASSERT_EQ(QStringList({QStringLiteral("t27.001"), QStringLiteral("t28.001"),
                           QStringLiteral("t45.001")}),
              QDir(dir.file(QStringLiteral("var/tables"))).entryList(QDir::Files));
    ASSERT_TRUE(QFileInfo::exists(dir.file(QStringLiteral("var/activetables/T27P1.4"))));

    auto *doc = open<TOpenTablesDoc>();
    TOffListView *list = doc->listView();
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(QStringList({QStringLiteral("Table"), QStringLiteral("Party"),
                           QStringLiteral("Amount"), QStringLiteral("Waiter"),
                           QStringLiteral("Waiter name"), QStringLiteral("Table name")}),
              doc->columns());
    ASSERT_EQ(2, list->topLevelItemCount());
    QTreeWidgetItem *first = list->topLevelItem(0);
    QTreeWidgetItem *second = list->topLevelItem(1);
    EXPECT_EQ(QStringLiteral("      28"), first->text(0));
    EXPECT_EQ(QStringLiteral("  1"), first->text(1));
    EXPECT_EQ(QStringLiteral("      45"), second->text(0));
    EXPECT_FALSE(first->icon(0).isNull());

    // amounts through the demo's currency list, right-justified in 10
    const long amount28 = storedAmount(QStringLiteral("t28.001"));
    const long amount45 = storedAmount(QStringLiteral("t45.001"));
    EXPECT_EQ(euro(amount28).rightJustified(10), first->text(2));

    // the status line counts and sums the listed tables
    EXPECT_EQ(2, doc->tableCount());
    EXPECT_EQ(amount28 + amount45, doc->tableSum());
    const QString status = QStringLiteral("2 tables (%1 EUR)").arg(euro(amount28 + amount45));
    EXPECT_EQ(status, doc->getInformation());
    EXPECT_EQ(status, window->statusText());
}

TEST_F(OpenTablesDoc, GroupsOnlyForTheKindsOfEntriesATableHas)
{
    auto *doc = open<TOpenTablesDoc>();
    TOffListView *list = doc->listView();
    ASSERT_EQ(2, list->topLevelItemCount());

    // 28 has orders and a payment, 45 only orders
    QTreeWidgetItem *paid = list->topLevelItem(0);
    QTreeWidgetItem *unpaid = list->topLevelItem(1);
    EXPECT_EQ(QStringList(
                      {QStringLiteral("Creation"), QStringLiteral("Pay"), QStringLiteral("Order")}),
              childTexts(paid));
    EXPECT_EQ(QStringList({QStringLiteral("Creation"), QStringLiteral("Order")}),
              childTexts(unpaid));

    // each group: its title row, then one row per entry
    QTreeWidgetItem *pays = paid->child(1);
    ASSERT_EQ(2, pays->childCount());
    EXPECT_EQ(QStringLiteral("Payform"), pays->child(0)->text(1));
    EXPECT_EQ(QStringLiteral("Cash"), pays->child(1)->text(1));
    QTreeWidgetItem *orders = unpaid->child(1);
    EXPECT_EQ(7, orders->childCount()); // the title and the demo table's six orders
    EXPECT_EQ(QStringLiteral("Price"), orders->child(0)->text(0));
    QTreeWidgetItem *creation = unpaid->child(0);
    EXPECT_EQ(QStringList({QStringLiteral("Bill"), QStringLiteral("0")}), childTexts(creation));
}

TEST_F(OpenTablesDoc, ExpandingOneTableExpandsAll)
{
    auto *doc = open<TOpenTablesDoc>();
    TOffListView *list = doc->listView();
    ASSERT_EQ(2, list->topLevelItemCount());
    EXPECT_FALSE(list->topLevelItem(1)->isExpanded());

    list->topLevelItem(0)->setExpanded(true);
    QCoreApplication::processEvents();
    for (QTreeWidgetItem *item : list->allItems()) {
        if (item->childCount() > 0) {
            EXPECT_TRUE(item->isExpanded()) << item->text(0).toStdString();
        }
    }
    for (int column = 0; column < list->columnCount(); ++column)
        list->resizeColumnToContents(column);
    screenshot(window.get(), "opentables.png");
    // and it still does after a refresh
    doc->onRefresh();
    list->topLevelItem(1)->setExpanded(true);
    QCoreApplication::processEvents();
    EXPECT_TRUE(list->topLevelItem(0)->isExpanded());
}

TEST_F(OpenTablesDoc, RefreshAndAnotherInstallationFillTheListAgain)
{
    auto *doc = open<TOpenTablesDoc>();
    ASSERT_EQ(2, doc->listView()->topLevelItemCount());

    // the terminal lets go of table 27
    QFile::remove(dir.file(QStringLiteral("var/activetables/T27P1.4")));
    auto *refresh = window->findChild<QToolButton *>(QStringLiteral("refresh"));
    ASSERT_NE(nullptr, refresh);
    refresh->click();
    EXPECT_EQ(3, doc->listView()->topLevelItemCount());
    EXPECT_EQ(QStringLiteral("      27"), doc->listView()->topLevelItem(0)->text(0));
    EXPECT_EQ(3, doc->tableCount());

    // an installation without open tables and without a currency list
    TestDir empty;
    workspace->setPath(empty.path());
    EXPECT_EQ(0, doc->listView()->topLevelItemCount());
    EXPECT_EQ(QStringLiteral("0 tables (0.00 )"), doc->getInformation());
    EXPECT_EQ(doc->getInformation(), window->statusText());
}

TEST_F(OpenTablesDoc, PrintedListStartsWithItsHeaderLine)
{
    auto *doc = open<TOpenTablesDoc>();
    // expanded by hand as well as by the list itself
    doc->listView()->expandAll();
    QCoreApplication::processEvents();
    const QString pdf = dir.file(QStringLiteral("open.pdf"));
    ASSERT_TRUE(doc->printToPdf(pdf));

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    const QDate today = QDate::currentDate();
    EXPECT_TRUE(printed.contains(QStringLiteral("List of open tables at ")))
            << printed.toStdString();
    // the day in the window's language
    EXPECT_TRUE(printed.contains(QStringLiteral(" on ") + Basics::dateText(today)))
            << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("Creation")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Cash")));
}

} // namespace
