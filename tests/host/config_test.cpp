#include "modaldriver.h"
#include "terror.h"
#include "testdir.h"
#include "tinifile.h"
#include "toffapplication.h"
#include "toffconfig.h"
#include "toffdlg.h"

#include <QDir>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// Each test has a configuration file of its own.
class OffConfig : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("VELTRUM_CONFIG", dir.file(QStringLiteral("conf/office.ini")).toLocal8Bit());
        TOffConfig::reload();
    }
    void TearDown() override { TOffConfig::reload(); }
    // Writes and forgets, so that the next read comes from the file.
    void writeAndReload()
    {
        TOffConfig::write();
        TOffConfig::reload();
    }

    TestDir dir;
};

} // namespace

TEST_F(OffConfig, PathComesFromTheEnvironment)
{
    EXPECT_EQ(dir.file(QStringLiteral("conf/office.ini")), TOffConfig::path());
}

TEST_F(OffConfig, RightsAreGrantedUntilRevoked)
{
    EXPECT_TRUE(TOffConfig::checkLstRight("turnover"));
    EXPECT_FALSE(TOffConfig::checkLstRight(""));
    EXPECT_TRUE(TOffConfig::checkDlgRight("TSumFilterDlg", "b_Test"));

    TOffConfig::setLstRight(QStringLiteral("turnover"), false);
    TOffConfig::setDlgRight(QStringLiteral("TSumFilterDlg"), QStringLiteral("b_Test"), false);
    writeAndReload();
    EXPECT_FALSE(TOffConfig::checkLstRight("turnover"));
    EXPECT_TRUE(TOffConfig::checkLstRight("sumfilters"));
    EXPECT_FALSE(TOffConfig::checkDlgRight("TSumFilterDlg", "b_Test"));
    EXPECT_TRUE(TOffConfig::checkDlgRight("TSumFilterDlg"));

    // Without the dialog itself no element is allowed.
    TOffConfig::setDlgRight(QStringLiteral("TSumFilterDlg"), QString(), false);
    EXPECT_FALSE(TOffConfig::checkDlgRight("TSumFilterDlg", "m_Name"));
}

TEST_F(OffConfig, ReportingDefaultsSurviveARestart)
{
    EXPECT_EQ(0, TOffConfig::getDefReport());
    EXPECT_EQ(QStringList(), TOffConfig::getDisabledReps());
    TOffConfig::setDefReport(10);
    TOffConfig::setDefFilter(3);
    TOffConfig::setDefOpenTabs(true);
    TOffConfig::setDefWithoutCredits(true);
    TOffConfig::setDefInTurnOver(2);
    TOffConfig::setDefTraineeType(1);
    TOffConfig::setDisabledReps({QStringLiteral("2"), QStringLiteral("38")});
    writeAndReload();
    EXPECT_EQ(10, TOffConfig::getDefReport());
    EXPECT_EQ(3, TOffConfig::getDefFilter());
    EXPECT_TRUE(TOffConfig::getDefOpenTabs());
    EXPECT_TRUE(TOffConfig::getDefWithoutCredits());
    EXPECT_EQ(2, TOffConfig::getDefInTurnOver());
    EXPECT_EQ(1, TOffConfig::getDefTraineeType());
    EXPECT_EQ(QStringList({"2", "38"}), TOffConfig::getDisabledReps());
    EXPECT_EQ(QStringLiteral("2;38"), TOffConfig::ini().readString("Reporting", "DisabledReps"));
}

TEST_F(OffConfig, StatesOutOfRangeReadAsAll)
{
    TOffConfig::setDefInTurnOver(7);
    TOffConfig::setDefTraineeType(-1);
    EXPECT_EQ(0, TOffConfig::getDefInTurnOver());
    EXPECT_EQ(0, TOffConfig::getDefTraineeType());
}

TEST_F(OffConfig, UnreadableFileIsNeverWrittenOverAndSaysSo)
{
    // An include line with its brackets the wrong way round cannot be read.
    const QByteArray unreadable("#>rights.ini<\r\nToolAusw = yes\r\n");
    dir.write(QStringLiteral("conf/office.ini"), unreadable);
    TOffConfig::reload();
    EXPECT_TRUE(TOffConfig::checkLstRight("turnover"));
    TOffConfig::setLstRight(QStringLiteral("turnover"), false);
    int told = 0;
    const QMetaObject::Connection connection = QObject::connect(
            TOffApplication::instance(), &TOffApplication::configChanged, [&] { ++told; });
    try {
        TOffConfig::write();
        ADD_FAILURE() << "written over an unreadable file";
    } catch (const TOffConfig::Unreadable &e) {
        EXPECT_EQ(TOffConfig::path(), e.fileName());
        EXPECT_EQ(dir.file(QStringLiteral("conf/office.ini"))
                          + QStringLiteral(" could not be read when the back office started and "
                                           "is kept as it was."),
                  TOffConfig::failureText(e));
    }
    QObject::disconnect(connection);
    EXPECT_EQ(0, told);
    EXPECT_EQ(unreadable, dir.read(QStringLiteral("conf/office.ini")));
    // What could not be saved is not in use either.
    EXPECT_TRUE(TOffConfig::checkLstRight("turnover"));
}

TEST_F(OffConfig, FolderThatCannotBeMadeFailsTheWriteAndDropsTheChanges)
{
    TOffConfig::setDefReport(10);
    writeAndReload();
    // "conf" becomes a file: neither the folder nor the file can be made.
    QDir(dir.file(QStringLiteral("conf"))).removeRecursively();
    dir.write(QStringLiteral("conf"), "not a folder");
    TOffConfig::reload();
    TOffConfig::setDefReport(5);
    EXPECT_THROW(TOffConfig::write(), Basics::TDirError);
    EXPECT_EQ(0, TOffConfig::getDefReport());
    try {
        TOffConfig::setDefReport(5);
        TOffConfig::write();
        ADD_FAILURE() << "written into a folder that is a file";
    } catch (const Basics::TError &e) {
        const QString text = TOffConfig::failureText(e);
        EXPECT_EQ(dir.file(QStringLiteral("conf"))
                          + QStringLiteral(": a file of that name is in the way of a folder"),
                  text);
        EXPECT_FALSE(text.contains(QStringLiteral("line"))) << text.toStdString();
    }
    EXPECT_EQ(QByteArray("not a folder"), dir.read(QStringLiteral("conf")));
}

TEST_F(OffConfig, WritingTellsTheApplication)
{
    int told = 0;
    const QMetaObject::Connection connection = QObject::connect(
            TOffApplication::instance(), &TOffApplication::configChanged, [&] { ++told; });
    TOffConfig::setDisabledReps({QStringLiteral("2"), QStringLiteral("38")});
    EXPECT_EQ(0, told);
    TOffConfig::write();
    QObject::disconnect(connection);
    EXPECT_EQ(1, told);
}

TEST_F(OffConfig, DialogsOpenOnlyWithTheRightAndEnableWhatItAllows)
{
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("TSomeDlg"));
    dialog.setWindowTitle(QStringLiteral("Some dialog"));
    auto *next = new QPushButton(&dialog);
    next->setObjectName(QStringLiteral("b_Next"));
    auto *last = new QPushButton(&dialog);
    last->setObjectName(QStringLiteral("b_Last"));
    TOffConfig::setDlgRight(QStringLiteral("TSomeDlg"), QStringLiteral("b_Next"), false);

    ModalDriver answers;
    EXPECT_TRUE(TOffDlg::checkOpen(&dialog));
    EXPECT_FALSE(next->isEnabled());
    // enabling later keeps to the right
    TOffDlg::setEnabled(&dialog, next, true);
    TOffDlg::setEnabled(&dialog, last, true);
    EXPECT_FALSE(next->isEnabled());
    EXPECT_TRUE(last->isEnabled());
    TOffDlg::setEnabled(&dialog, last, false);
    EXPECT_FALSE(last->isEnabled());
    EXPECT_TRUE(answers.boxes.isEmpty());

    TOffConfig::setDlgRight(QStringLiteral("TSomeDlg"), QString(), false);
    EXPECT_FALSE(TOffDlg::checkOpen(&dialog));
    EXPECT_EQ(QStringList({"Error: You have no right to use the dialog \"Some dialog\"."}),
              answers.boxes);
}

TEST(OffApplication, DayOffsetComesFromGlobalsAndIsAnnounced)
{
    TestDir dir;
    TOffApplication *application = TOffApplication::instance();
    EXPECT_EQ(dir.file(QStringLiteral("etc/globals.ini")),
              TOffApplication::globalsFile(dir.path()));
    QList<int> told;
    const QMetaObject::Connection connection = QObject::connect(
            application, &TOffApplication::dayOffsetChanged, [&](int value) { told << value; });
    dir.write(QStringLiteral("etc/globals.ini"), "[Settings]\r\ndayoffs=530\r\n");
    application->loadDayOffset(dir.path());
    EXPECT_EQ(530, application->dayOffset());
    application->setDayOffset(530);
    // no file: the day starts at midnight
    application->loadDayOffset(dir.file(QStringLiteral("elsewhere")));
    QObject::disconnect(connection);
    EXPECT_EQ(0, application->dayOffset());
    EXPECT_EQ(QList<int>({530, 0}), told);
}
