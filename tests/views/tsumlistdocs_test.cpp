// The filter and batch documents: loading, New, Open, Save and their
// messages; a filter made in the dialog used by the command line's report.

#include "toffapplication.h"
#include "tofflistview.h"
#include "tsumbatchdlg.h"
#include "tsumbatchesdoc.h"
#include "tsumfilterdlg.h"
#include "tsumfilterlistdlg.h"
#include "tsumfiltersdoc.h"
#include "viewsfixture.h"

#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

QStringList rows(TOffDocument &document)
{
    QStringList texts;
    TOffListView *list = document.listView();
    for (int i = 0; list && i < list->topLevelItemCount(); ++i) {
        QStringList columns;
        for (int c = 0; c < list->columnCount(); ++c)
            columns << list->topLevelItem(i)->text(c);
        texts << columns.join(QLatin1Char('|'));
    }
    return texts;
}

QStringList headers(TOffDocument &document)
{
    QStringList texts;
    QTreeWidgetItem *header = document.listView()->headerItem();
    for (int c = 0; c < header->columnCount(); ++c)
        texts << header->text(c);
    return texts;
}

// Fills a new filter in the dialog: a name and one flag on the table page.
ModalDriver::Handler newFilter(const QString &name)
{
    return [name](QDialog *d) {
        auto *dialog = qobject_cast<TSumFilterDlg *>(d);
        ASSERT_NE(nullptr, dialog);
        dialog->m_Name->setText(name);
        dialog->onTabTakeaway();
        dialog->buttonOk->click();
    };
}

class ListDocuments : public ViewsTest
{
protected:
    // A window page for the document, as the host shows it.
    void show(TOffDocument &document)
    {
        page = std::make_unique<QWidget>();
        tools = std::make_unique<QWidget>();
        document.attach(page.get(), tools.get());
    }

    std::unique_ptr<QWidget> page;
    std::unique_ptr<QWidget> tools;
};

} // namespace

TEST_F(ListDocuments, FiltersAreListedInNumberOrder)
{
    TSumFiltersDoc document(window.get());
    show(document);
    EXPECT_EQ(QStringLiteral("Reporting filters"), document.caption());
    EXPECT_EQ(QStringList({"Name", "Description"}), headers(document));
    const QStringList texts = rows(document);
    ASSERT_EQ(5, texts.size());
    EXPECT_EQ(QStringLiteral("Takeaway|Takeaway tables only"), texts.first());
    EXPECT_EQ(QStringLiteral("Card payments|Tables paid by card, their payments only"),
              texts.last());
    EXPECT_TRUE(document.canNew());
    EXPECT_FALSE(document.canOpen());
    EXPECT_FALSE(document.canSave());
}

TEST_F(ListDocuments, BatchesShowFiscalDescriptionAndReportCount)
{
    batches()->batch(2)->remove(QStringLiteral("fiscal"));
    TSumBatchesDoc document(window.get());
    show(document);
    EXPECT_EQ(QStringList({"Name", "Fiscal", "Description", "Report count"}), headers(document));
    EXPECT_EQ(QStringList({"Day closing|Yes|Waiters, articles, families, voids|4",
                           "Waiter check|No|Payments and articles per waiter|3",
                           "Takeaway articles|No|Articles and orders to take away|2"}),
              rows(document));
}

TEST_F(ListDocuments, OkInNewClosesTheDialogAndShowsTheNewRowCounted)
{
    TOffApplication::instance()->setLanguage(QStringLiteral("en")); // "6 records"
    TSumFiltersDoc document(window.get());
    window->showDocument(&document);
    ModalDriver answers;
    answers.then(newFilter(QStringLiteral("First")));
    document.onNew();
    // OK ends it: no second, empty dialog
    EXPECT_EQ(QStringList({"TSumFilterDlg"}), answers.dialogs);
    EXPECT_FALSE(answers.pending());
    EXPECT_EQ(6, filters()->count());
    EXPECT_EQ(QStringLiteral("First"), filters()->filter(6)->name());
    EXPECT_EQ(filters()->filter(6), document.currentRecord());
    EXPECT_TRUE(document.isChanged());
    EXPECT_TRUE(document.canSave());
    EXPECT_EQ(6, rows(document).size());
    // the status line counts the new one at once, and says it is not saved
    EXPECT_EQ(QStringLiteral("6 records, not saved (File › Save)"), window->statusText());

    // not on disk before Save
    EXPECT_EQ(5, stored<PosLib::TSumFilters>()->count());
    ASSERT_TRUE(document.save());
    EXPECT_FALSE(document.isChanged());
    EXPECT_EQ(QStringLiteral("6 records"), window->statusText());
    const auto saved = stored<PosLib::TSumFilters>();
    EXPECT_EQ(6, saved->count());
    EXPECT_EQ(QStringLiteral("0:vatoh:=:yes"), saved->filter(6)->tables());
    // replaced safely: the previous list is kept, no temporary is left
    EXPECT_TRUE(dir.exists(QStringLiteral("usr/data/sumfilters.dat.old")));
    EXPECT_FALSE(dir.exists(QStringLiteral("usr/data/sumfilters.dat.new")));

    // Cancel makes nothing
    answers.then([](QDialog *d) { d->reject(); });
    document.onNew();
    EXPECT_EQ(6, filters()->count());
    EXPECT_FALSE(document.isChanged());
}

TEST_F(ListDocuments, DeleteAsksNamesTheUsersAndRemovesAfterYes)
{
    TOffApplication::instance()->setLanguage(QStringLiteral("en"));
    // batch 1 runs with filter 2, which is also the default filter
    batches()->batch(1)->setFilter(2);
    TOffConfig::setDefFilter(2);
    TSumFiltersDoc document(window.get());
    window->showDocument(&document);
    document.selectRecord(filters()->filter(2));
    const QString name = filters()->filter(2)->name();

    ModalDriver answers;
    answers.answer(QMessageBox::No);
    EXPECT_FALSE(document.deleteCurrent());
    ASSERT_EQ(1, answers.boxes.size());
    EXPECT_TRUE(
            answers.boxes.first().contains(QStringLiteral("Delete the filter 2 \"%1\"?").arg(name)))
            << answers.boxes.first().toStdString();
    EXPECT_TRUE(answers.boxes.first().contains(
            QStringLiteral("the batch \"%1\"").arg(batches()->batch(1)->name())));
    EXPECT_TRUE(answers.boxes.first().contains(QStringLiteral("the default filter")));
    EXPECT_EQ(5, filters()->count());

    // the Delete key asks too; Yes removes it, the next row becomes current
    answers.answer(QMessageBox::Yes);
    QTest::keyClick(document.listView(), Qt::Key_Delete);
    EXPECT_EQ(4, filters()->count());
    EXPECT_EQ(nullptr, filters()->filter(2));
    EXPECT_EQ(filters()->filter(3), document.currentRecord());
    EXPECT_EQ(4, rows(document).size());
    EXPECT_TRUE(document.isChanged());
    EXPECT_EQ(QStringLiteral("4 records, not saved (File › Save)"), window->statusText());
    ASSERT_TRUE(document.save());
    EXPECT_EQ(4, stored<PosLib::TSumFilters>()->count());
}

TEST_F(ListDocuments, BatchesAreDeletedFromTheContextMenuToo)
{
    TSumBatchesDoc document(window.get());
    window->showDocument(&document);
    document.selectRecord(batches()->batch(3));
    QMenu menu;
    document.createContext(&menu);
    QAction *remove = nullptr;
    for (QAction *action : menu.actions())
        if (action->text() == QStringLiteral("&Delete..."))
            remove = action;
    ASSERT_NE(nullptr, remove);
    ModalDriver answers;
    answers.answer(QMessageBox::Yes);
    remove->trigger();
    EXPECT_EQ(nullptr, batches()->batch(3));
    EXPECT_EQ(2, rows(document).size());
    // the last row went: the one before it is current
    EXPECT_EQ(batches()->batch(2), document.currentRecord());
}

TEST_F(ListDocuments, OpenEditsTheCurrentRowWithNavigation)
{
    TSumBatchesDoc document(window.get());
    show(document);
    EXPECT_FALSE(document.canOpen());
    document.selectRecord(batches()->batch(2));
    EXPECT_TRUE(document.canOpen());
    ModalDriver answers;
    answers.then([](QDialog *d) {
        auto *dialog = qobject_cast<TSumBatchDlg *>(d);
        ASSERT_NE(nullptr, dialog);
        EXPECT_EQ(QStringLiteral("Edit summary batches"), dialog->windowTitle());
        EXPECT_EQ(QStringLiteral("Waiter check"), dialog->m_Name->text());
        dialog->m_Name->setText(QStringLiteral("Waiters' check"));
        dialog->buttonOk->click();
    });
    // Enter on the row opens it, as a double click does
    document.listView()->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(document.listView(), &enter);
    EXPECT_FALSE(answers.pending());
    EXPECT_EQ(QStringLiteral("Waiters' check"), batches()->batch(2)->name());
    EXPECT_TRUE(document.isChanged());
    EXPECT_EQ(QStringLiteral("Waiters' check|No|Payments and articles per waiter|3"),
              rows(document).at(1));

    // the context menu offers what the File menu does
    QMenu menu;
    document.createContext(&menu);
    QStringList items;
    for (QAction *action : menu.actions())
        items << action->text();
    EXPECT_EQ(QStringList({"&New...", "&Open...", "&Delete...", "&Save"}), items);
}

TEST_F(ListDocuments, AMissingFileIsNoErrorAndSaveCreatesIt)
{
    QFile::remove(root + QStringLiteral("usr/data/sumbatches.dat"));
    workspace->reloadData();
    TSumBatchesDoc document(window.get());
    show(document);
    EXPECT_EQ(QStringLiteral("List of summary batches not found"), window->statusText());
    ASSERT_NE(nullptr, batches());
    EXPECT_EQ(0, batches()->count());
    EXPECT_TRUE(rows(document).isEmpty());

    ModalDriver answers;
    answers.then([](QDialog *d) {
        auto *dialog = static_cast<TSumBatchDlg *>(d);
        EXPECT_EQ(QStringLiteral("1"), dialog->m_ID->text());
        dialog->m_Name->setText(QStringLiteral("Tables"));
        dialog->setCurrentReport(38);
        dialog->b_insert->click();
        dialog->buttonOk->click();
    });
    document.onNew();
    EXPECT_TRUE(answers.boxes.isEmpty());
    ASSERT_TRUE(document.save());
    const auto saved = stored<PosLib::TSumBatches>();
    ASSERT_EQ(1, saved->count());
    EXPECT_EQ(QStringLiteral("38"), saved->batch(1)->getString(QStringLiteral("reports")));
}

TEST_F(ListDocuments, AnUnreadableFileIsReportedAndNeverWrittenOver)
{
    const QByteArray corrupt = QByteArray::fromHex("0300000002000000");
    dir.write(QStringLiteral("usr/data/sumfilters.dat"), corrupt);
    workspace->reloadData();
    ModalDriver answers;
    TSumFiltersDoc document(window.get());
    show(document);
    EXPECT_EQ(QStringList({"Fatal error: Could not load summary filters"}), answers.boxes);
    EXPECT_EQ(nullptr, filters());
    EXPECT_FALSE(document.canNew());
    EXPECT_FALSE(document.save());
    document.onNew();
    EXPECT_TRUE(answers.dialogs.isEmpty());
    EXPECT_EQ(corrupt, dir.read(QStringLiteral("usr/data/sumfilters.dat")));
}

TEST_F(ListDocuments, AFailedSaveIsReportedAndTheDocumentStaysChanged)
{
    TSumFiltersDoc document(window.get());
    show(document);
    const QByteArray before = dir.read(QStringLiteral("usr/data/sumfilters.dat"));
    filters()->filter(1)->setName(QStringLiteral("Renamed"));
    document.setChanged(true);
    // the temporary cannot be written
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("usr/data/sumfilters.dat.new")));
    ModalDriver answers;
    EXPECT_FALSE(document.save());
    EXPECT_EQ(QStringList({"Fatal error: Could not save summary filters"}), answers.boxes);
    EXPECT_TRUE(document.isChanged());
    EXPECT_EQ(before, dir.read(QStringLiteral("usr/data/sumfilters.dat")));
}

TEST_F(ListDocuments, AFilterMadeInTheDialogReportsAsTheSameConditionWrittenByHand)
{
    // made in the dialog: tables in the summary, their drinks only
    TSumFiltersDoc document(window.get());
    show(document);
    ModalDriver answers;
    answers.then([](QDialog *d) {
        auto *dialog = static_cast<TSumFilterDlg *>(d);
        dialog->m_Name->setText(QStringLiteral("Drinks in the summary"));
        dialog->onTabInSummary();
        dialog->onEntFamilies();
        dialog->buttonOk->click();
    });
    answers.then([](QDialog *d) {
        auto *range = qobject_cast<TSumFilterListDlg *>(d);
        ASSERT_NE(nullptr, range);
        range->select({6, 7, 8});
        range->buttonOk->click();
    });
    answers.then([](QDialog *d) { d->reject(); });
    document.onNew();
    ASSERT_TRUE(document.save());
    ASSERT_EQ(QStringLiteral("3:family:>:5&3:family:<:9"), filters()->filter(6)->entries());

    // written by hand: the same texts, and the families one by one
    dir.write(QStringLiteral("hand.xml"),
              "<sumfilters>"
              "<sumfilter><id>7</id><name>Drinks in the summary</name>"
              "<tables>0:insum:=:yes</tables><entries>3:family:&gt;:5&amp;3:family:&lt;:9</entries>"
              "</sumfilter>"
              "<sumfilter><id>8</id><name>Drinks in the summary</name>"
              "<tables>0:insum:=:yes</tables>"
              "<entries>3:family:=:6|3:family:=:7|3:family:=:8</entries></sumfilter>"
              "</sumfilters>");
    auto run = [&](const QStringList &args) {
        QProcess process;
        process.start(binPath(QStringLiteral("veltrum")), args);
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(0, process.exitCode()) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    run({QStringLiteral("dat"), QStringLiteral("from-xml"), dir.file(QStringLiteral("hand.xml")),
         root + QStringLiteral("usr/data/sumfilters.dat")});
    auto report = [&](const char *filter) {
        QStringList args = {QStringLiteral("report"),
                            QStringLiteral("--data"),
                            root,
                            QStringLiteral("--kind"),
                            QStringLiteral("10"),
                            QStringLiteral("--now"),
                            QStringLiteral("2026-12-05T20:00:00")};
        if (filter)
            args << QStringLiteral("--filter") << QLatin1String(filter);
        return run(args);
    };
    const QString made = report("6");
    EXPECT_TRUE(made.contains(QStringLiteral("Using filter Drinks in the summary")));
    EXPECT_TRUE(made.contains(QStringLiteral("Beer")));
    EXPECT_FALSE(made.contains(QStringLiteral("Pizza")));
    EXPECT_EQ(made, report("7"));
    EXPECT_EQ(made, report("8"));
    EXPECT_TRUE(report(nullptr).contains(QStringLiteral("Pizza")));
}

// Pictures of the dialogs for the README (with $VELTRUM_SCREENSHOTS set).
TEST_F(ListDocuments, ScreenshotsOfTheFilterAndBatchDialogs)
{
    auto picture = [&](QWidget &dialog, const char *name) {
        dialog.show();
        QApplication::processEvents();
        EXPECT_FALSE(dialog.grab().isNull());
        screenshot(&dialog, name);
        dialog.hide();
    };
    TSumFilterDlg filter(workspace.get(), filters()->filter(5), true);
    filter.tableRows().setCondition(
            QStringLiteral("0:insum:=:yes&5:payform:=:2|0:insum:=:yes&5:payform:=:3|1:waiter:=:8"));
    filter.m_Tables->setCurrentItem(filter.m_Tables->topLevelItem(1));
    picture(filter, "filter-dialog.png");
    TSumBatchDlg batch(workspace.get(), batches()->batch(1), true);
    batch.setCurrentReport(10);
    picture(batch, "batch-dialog.png");
}
