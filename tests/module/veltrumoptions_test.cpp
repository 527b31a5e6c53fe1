// The reporting options through the loaded module: the start of the
// gastronomic day in "globals.ini", the defaults and the reports left out
// in the configuration.

#include "modulefixture.h"
#include "tinstallation.h"
#include "tsumfilters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTreeWidget>

namespace {

class Options : public VeltrumModule
{
protected:
    // Opens the options, lets `change` work on them, then presses `button`.
    void edit(std::function<void(QDialog *)> change, const char *button = "buttonOk")
    {
        ModalDriver answers;
        answers.then([&](QDialog *dialog) {
            EXPECT_EQ(QStringLiteral("TDlgOptAusw"), dialog->objectName());
            change(dialog);
            dialog->findChild<QPushButton *>(QLatin1String(button))->click();
        });
        module().callMethod(QStringLiteral("onOptions"));
        EXPECT_FALSE(answers.pending());
        boxes = answers.boxes;
    }

    static QTreeWidget *reports(QDialog *dialog)
    {
        return dialog->findChild<QTreeWidget *>(QStringLiteral("m_Reports"));
    }
    static QTreeWidgetItem *report(QDialog *dialog, int number)
    {
        const QList<QTreeWidgetItem *> found
                = reports(dialog)->findItems(QString::number(number), Qt::MatchExactly, 0);
        return found.value(0);
    }
    static QComboBox *box(QDialog *dialog, const char *name)
    {
        return dialog->findChild<QComboBox *>(QLatin1String(name));
    }

    QStringList boxes;
};

} // namespace

TEST_F(Options, GastronomicDayIsWrittenToGlobalsAndTakenOver)
{
    start();
    TOffApplication *application = TOffApplication::instance();
    application->setDayOffset(600);
    QList<int> announced;
    const QMetaObject::Connection connection
            = QObject::connect(application, &TOffApplication::dayOffsetChanged,
                               [&](int value) { announced << value; });
    QTime shown;
    edit([&](QDialog *dialog) {
        EXPECT_EQ(QStringLiteral("Summary options"), dialog->windowTitle());
        auto *gastro = dialog->findChild<QTimeEdit *>(QStringLiteral("m_Gastro"));
        shown = gastro->time();
        gastro->setTime(QTime(5, 30));
    });
    QObject::disconnect(connection);
    EXPECT_EQ(QTime(6, 0), shown);
    const QString globals = dir.file(QStringLiteral("etc/globals.ini"));
    EXPECT_EQ(530, Basics::TInifile(globals).readInt(QStringLiteral("Settings"),
                                                     QStringLiteral("dayoffs")));
    EXPECT_EQ(QTime(5, 30), PosLib::dayOffset(globals));
    EXPECT_EQ(530, application->dayOffset());
    EXPECT_EQ(QList<int>({530}), announced);
    application->setDayOffset(0);
}

TEST_F(Options, ReportsLeftOutAreStoredAsTheirNumbers)
{
    start();
    edit([](QDialog *dialog) {
        QTreeWidget *list = reports(dialog);
        EXPECT_EQ(42, list->topLevelItemCount());
        EXPECT_EQ(QStringLiteral("Journal"), report(dialog, 2)->text(1));
        EXPECT_EQ(QStringLiteral("Pricefinding per waiter"), report(dialog, 36)->text(1));
        report(dialog, 2)->setCheckState(0, Qt::Unchecked);
        report(dialog, 38)->setCheckState(0, Qt::Unchecked);
    });
    TOffConfig::reload();
    EXPECT_EQ(QStringList({"2", "38"}), TOffConfig::getDisabledReps());
    EXPECT_EQ(QStringLiteral("2;38"), TOffConfig::ini().readString(QStringLiteral("Reporting"),
                                                                   QStringLiteral("DisabledReps")));

    // shown again as stored
    edit([](QDialog *dialog) {
        for (int number = 1; number <= 42; ++number) {
            const bool allowed = number != 2 && number != 38;
            EXPECT_EQ(allowed ? Qt::Checked : Qt::Unchecked, report(dialog, number)->checkState(0))
                    << number;
        }
        report(dialog, 2)->setCheckState(0, Qt::Checked);
    });
    TOffConfig::reload();
    EXPECT_EQ(QStringList({"38"}), TOffConfig::getDisabledReps());
}

TEST_F(Options, TheReportsDocumentOffersOnlyTheReportsAllowed)
{
    start();
    TOffDocument *paid = workspace->get(QStringLiteral("paidtables"));
    window->showDocument(paid);
    auto offered = [&] {
        QList<int> ids;
        auto *box = window->findChild<QtWidgets::TComboBox *>(QStringLiteral("m_Report"));
        for (int i = 0; box && i < box->count(); ++i)
            ids << QtWidgets::TComboBox::idOf(box->itemText(i));
        return ids;
    };
    ASSERT_TRUE(offered().contains(2));
    ASSERT_TRUE(offered().contains(38));
    edit([](QDialog *dialog) {
        report(dialog, 2)->setCheckState(0, Qt::Unchecked);
        report(dialog, 38)->setCheckState(0, Qt::Unchecked);
        box(dialog, "m_DefRep")->setCurrentIndex(7);
    });
    // the document on show, and again when it is shown the next time
    for (int pass = 0; pass < 2; ++pass) {
        const QList<int> ids = offered();
        EXPECT_FALSE(ids.contains(2)) << pass;
        EXPECT_FALSE(ids.contains(38)) << pass;
        EXPECT_TRUE(ids.contains(1)) << pass;
        EXPECT_TRUE(ids.contains(37)) << pass;
        EXPECT_TRUE(ids.contains(39)) << pass;
        window->showDocument(nullptr);
        window->showDocument(paid);
    }
    auto *box = window->findChild<QtWidgets::TComboBox *>(QStringLiteral("m_Report"));
    EXPECT_EQ(7, box->currentId());
}

TEST_F(Options, ReportRowsSortByNumberAndEverySecondRowIsBluer)
{
    start();
    edit(
            [](QDialog *dialog) {
                QTreeWidget *list = reports(dialog);
                list->sortItems(0, Qt::DescendingOrder);
                EXPECT_EQ(QStringLiteral("42"), list->topLevelItem(0)->text(0));
                EXPECT_EQ(QStringLiteral("9"), list->topLevelItem(33)->text(0));
                list->sortItems(0, Qt::AscendingOrder);
                QStringList order;
                for (int i = 0; i < 12; ++i)
                    order << list->topLevelItem(i)->text(0);
                EXPECT_EQ(QStringList(
                                  {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}),
                          order);

                list->setPalette(QPalette(QColor(200, 200, 200)));
                const QColor base = list->palette().color(QPalette::Base);
                QColor bluer = base;
                bluer.setBlue(base.blue() + 50 > 255 ? base.blue() - 50 : base.blue() + 50);
                EXPECT_FALSE(list->topLevelItem(0)->data(0, Qt::BackgroundRole).isValid());
                EXPECT_EQ(bluer,
                          list->topLevelItem(1)->data(1, Qt::BackgroundRole).value<QColor>());
                EXPECT_FALSE(list->topLevelItem(2)->data(0, Qt::BackgroundRole).isValid());
                // white cannot get bluer: it gets less blue
                list->setPalette(QPalette(Qt::white, Qt::white));
                EXPECT_EQ(QColor(255, 255, 205),
                          list->topLevelItem(3)->data(0, Qt::BackgroundRole).value<QColor>());
            },
            "buttonCancel");
}

TEST_F(Options, DefaultsOfTheReportsDocumentAreStored)
{
    PosLib::TSumFilters filters;
    for (int id : {3, 12}) {
        auto *filter = new PosLib::TSumFilter;
        filter->setId(id);
        filter->setName(id == 3 ? QStringLiteral("Terrace") : QStringLiteral("Bar"));
        filters.insert(filter);
    }
    filters.save(dir.path().toLocal8Bit().constData());
    start();
    edit([](QDialog *dialog) {
        QComboBox *defReport = box(dialog, "m_DefRep");
        EXPECT_EQ(43, defReport->count());
        EXPECT_EQ(QStringLiteral(" 0)  None"), defReport->itemText(0));
        EXPECT_EQ(QStringLiteral(" 2)  Journal"), defReport->itemText(2));
        EXPECT_EQ(0, defReport->currentIndex());
        QComboBox *defFilter = box(dialog, "m_DefFlt");
        EXPECT_EQ(3, defFilter->count());
        EXPECT_EQ(QStringLiteral(" 3)  Terrace"), defFilter->itemText(1));
        defReport->setCurrentIndex(7);
        defFilter->setCurrentIndex(2);
        dialog->findChild<QCheckBox *>(QStringLiteral("m_OpenTabs"))->setChecked(true);
        dialog->findChild<QCheckBox *>(QStringLiteral("m_WithoutCredits"))->setChecked(true);
    });
    TOffConfig::reload();
    EXPECT_EQ(7, TOffConfig::getDefReport());
    EXPECT_EQ(12, TOffConfig::getDefFilter());
    EXPECT_TRUE(TOffConfig::getDefOpenTabs());
    EXPECT_TRUE(TOffConfig::getDefWithoutCredits());

    edit([](QDialog *dialog) {
        EXPECT_EQ(7, box(dialog, "m_DefRep")->currentIndex());
        EXPECT_EQ(QStringLiteral("12)  Bar"), box(dialog, "m_DefFlt")->currentText());
        EXPECT_TRUE(dialog->findChild<QCheckBox *>(QStringLiteral("m_OpenTabs"))->isChecked());
    });
}

TEST_F(Options, WithoutFiltersTheDefaultFilterIsNone)
{
    start();
    edit(
            [](QDialog *dialog) {
                QComboBox *defFilter = box(dialog, "m_DefFlt");
                EXPECT_EQ(1, defFilter->count());
                EXPECT_EQ(QStringLiteral("0)  None"), defFilter->itemText(0));
            },
            "buttonCancel");
}

TEST_F(Options, CancelWritesNothing)
{
    start();
    const QByteArray config = dir.read(QStringLiteral("office.ini"));
    edit(
            [](QDialog *dialog) {
                dialog->findChild<QTimeEdit *>(QStringLiteral("m_Gastro"))->setTime(QTime(4, 0));
                report(dialog, 5)->setCheckState(0, Qt::Unchecked);
                box(dialog, "m_DefRep")->setCurrentIndex(3);
            },
            "buttonCancel");
    EXPECT_FALSE(dir.exists(QStringLiteral("etc/globals.ini")));
    EXPECT_EQ(config, dir.read(QStringLiteral("office.ini")));
    EXPECT_EQ(0, TOffApplication::instance()->dayOffset());
}

TEST_F(Options, ElementsWithoutTheRightAreNeitherChangedNorStored)
{
    TOffConfig::setDisabledReps({QStringLiteral("7")});
    TOffConfig::setDlgRight(QStringLiteral("TDlgOptAusw"), QStringLiteral("m_Reports"), false);
    TOffConfig::setDlgRight(QStringLiteral("TDlgOptAusw"), QStringLiteral("m_Gastro"), false);
    start();
    edit([](QDialog *dialog) {
        EXPECT_FALSE(reports(dialog)->isEnabled());
        EXPECT_FALSE(dialog->findChild<QTimeEdit *>(QStringLiteral("m_Gastro"))->isEnabled());
        EXPECT_TRUE(box(dialog, "m_DefRep")->isEnabled());
        report(dialog, 2)->setCheckState(0, Qt::Unchecked);
        box(dialog, "m_DefRep")->setCurrentIndex(4);
    });
    TOffConfig::reload();
    EXPECT_EQ(QStringList({"7"}), TOffConfig::getDisabledReps());
    EXPECT_EQ(4, TOffConfig::getDefReport());
    EXPECT_FALSE(dir.exists(QStringLiteral("etc/globals.ini")));
}

TEST_F(Options, AGlobalsFileThatCannotBeWrittenKeepsTheDialogOpen)
{
    // "etc" is a file: no "globals.ini" can be made in it
    dir.write(QStringLiteral("etc"), "not a folder");
    start();
    const QByteArray config = dir.read(QStringLiteral("office.ini"));
    ModalDriver answers;
    bool open = false;
    answers.then([&](QDialog *dialog) {
        box(dialog, "m_DefRep")->setCurrentIndex(9);
        dialog->findChild<QPushButton *>(QStringLiteral("buttonOk"))->click();
        open = dialog->isVisible();
        dialog->reject();
    });
    module().callMethod(QStringLiteral("onOptions"));
    EXPECT_TRUE(open);
    ASSERT_EQ(1, answers.boxes.size());
    EXPECT_TRUE(answers.boxes.first().startsWith(QStringLiteral("Error: Could not write ")));
    // nothing of the dialog reached the configuration
    EXPECT_EQ(config, dir.read(QStringLiteral("office.ini")));
    TOffConfig::reload();
    EXPECT_EQ(0, TOffConfig::getDefReport());
}

TEST_F(Options, AConfigurationThatCannotBeWrittenKeepsTheDialogOpen)
{
    const QByteArray unreadable("#>rights.ini<\r\n[Reporting]\r\nDefReport = 3\r\n");
    dir.write(QStringLiteral("office.ini"), unreadable);
    TOffConfig::reload();
    start();
    ModalDriver answers;
    bool open = false;
    answers.then([&](QDialog *dialog) {
        box(dialog, "m_DefRep")->setCurrentIndex(9);
        dialog->findChild<QPushButton *>(QStringLiteral("buttonOk"))->click();
        open = dialog->isVisible();
        dialog->reject();
    });
    module().callMethod(QStringLiteral("onOptions"));
    EXPECT_TRUE(open);
    ASSERT_EQ(1, answers.boxes.size());
    EXPECT_EQ(QStringLiteral("Error: Could not write the configuration: ")
                      + dir.file(QStringLiteral("office.ini"))
                      + QStringLiteral(" could not be read when the back office started and is "
                                       "kept as it was."),
              answers.boxes.first());
    EXPECT_EQ(unreadable, dir.read(QStringLiteral("office.ini")));
    EXPECT_EQ(0, TOffConfig::getDefReport());
}

// Pictures of both tabs for the README (with $VELTRUM_SCREENSHOTS set).
TEST_F(Options, ScreenshotsOfBothTabs)
{
    TOffConfig::setDisabledReps({QStringLiteral("2"), QStringLiteral("38")});
    TOffConfig::setDefReport(7);
    TOffApplication::instance()->setDayOffset(530);
    start();
    edit(
            [&](QDialog *dialog) {
                auto *tabs = dialog->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
                ASSERT_NE(nullptr, tabs);
                for (int tab = 0; tab < tabs->count(); ++tab) {
                    tabs->setCurrentIndex(tab);
                    QApplication::processEvents();
                    EXPECT_FALSE(dialog->grab().isNull());
                    screenshot(dialog, tab == 0 ? "options-dialog.png" : "options-reports.png");
                }
            },
            "buttonCancel");
    TOffApplication::instance()->setDayOffset(0);
}
