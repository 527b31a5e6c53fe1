// The host's side of report designs: the report dialog, the viewer with its
// pages, and the window's Crystal operations with the engine of this build.
#include "modaldriver.h"
#include "tcrystalviewer.h"
#include "tdlgcrystal.h"
#include "testdir.h"
#include "tinifile.h"
#include "toffconfig.h"
#include "toffdocument.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "tvalue.h"

#include <QBuffer>
#include <QCheckBox>
#include <QListWidget>
#include <QPdfWriter>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

class HostCrystal : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("VELTRUM_CONFIG", config.file(QStringLiteral("office.ini")).toLocal8Bit());
        TOffConfig::reload();
        TOffConfig::ini().writeString(QStringLiteral("Crystal"), QStringLiteral("Path"),
                                      designs.path());
        TOffConfig::ini().writeString(QStringLiteral("Crystal"), QStringLiteral("DataPath"),
                                      data.path());
    }
    void TearDown() override { TOffConfig::reload(); }

    TestDir config;
    TestDir designs;
    TestDir data;
    TOffWorkspace workspace {data.path()};
    TOffWindow window {&workspace};
};

} // namespace

TEST(DlgCrystal, NamesWithPicturesTheChosenEntryAndTheSwitches)
{
    TDlgCrystal dialog({QStringLiteral("/r/a.vrt;Article list;;/r/a.ini"),
                        QStringLiteral("/r/w.vrt;Daily sheet;/r/none.png;/r/w.ini")},
                       1, nullptr);
    ASSERT_EQ(2, dialog.list()->count());
    EXPECT_EQ(QStringLiteral("Article list"), dialog.list()->item(0)->text());
    EXPECT_EQ(QStringLiteral("/r/w.vrt;Daily sheet;/r/none.png;/r/w.ini"), dialog.result());
    EXPECT_EQ((QStringList {QStringLiteral("no"), QStringLiteral("no"), QStringLiteral("no"),
                            QStringLiteral("no")}),
              dialog.getHdrFtr());
    dialog.switches().at(0)->setChecked(true);
    dialog.switches().at(3)->setChecked(true);
    EXPECT_EQ((QStringList {QStringLiteral("yes"), QStringLiteral("no"), QStringLiteral("no"),
                            QStringLiteral("yes")}),
              dialog.getHdrFtr());
    dialog.list()->clearSelection();
    EXPECT_EQ(QString(), dialog.result());

    TDlgCrystal empty({}, -1, nullptr);
    EXPECT_EQ(QString(), empty.result());
}

TEST(CrystalViewer, PagesCarryTheirHeaderAndFooter)
{
    TCrystalReport report;
    for (int i = 0; i < 150; ++i)
        report.body += QStringLiteral("<p>Line %1</p>").arg(i);
    report.pageHeader = QStringLiteral("<p>Page {page} of {pages}</p>");
    report.pageFooter = QStringLiteral("<p>footer</p>");
    TCrystalViewer viewer(report);
    EXPECT_TRUE(viewer.document()->toPlainText().startsWith(QStringLiteral("Line 0\nLine 1")));

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    const int pages = viewer.paint(writer);
    EXPECT_GE(pages, 3);

    // without header and footer the body has more room
    TCrystalReport plain = report;
    plain.pageHeader.clear();
    plain.pageFooter.clear();
    QByteArray more;
    QBuffer second(&more);
    second.open(QIODevice::WriteOnly);
    QPdfWriter other(&second);
    other.setPageSize(QPageSize(QPageSize::A4));
    EXPECT_LE(TCrystalViewer(plain).paint(other), pages);
    EXPECT_TRUE(viewer.pdf().startsWith("%PDF"));

    TestDir dir;
    EXPECT_TRUE(viewer.writePdf(dir.file(QStringLiteral("r.pdf")), false));
    EXPECT_TRUE(dir.read(QStringLiteral("r.pdf")).startsWith("%PDF"));
    EXPECT_FALSE(viewer.writePdf(dir.file(QStringLiteral("no/r.pdf")), false));
}

TEST_F(HostCrystal, OpenFillAndShowAJob)
{
    designs.write(QStringLiteral("r.vrt"), "<p>{user}: {count pays}</p>");
    data.write(QStringLiteral("pays.txt"), "id,amount\r\n1,5\r\n2,6\r\n");
    ASSERT_TRUE(window.CrystalReportsAvailable());
    EXPECT_TRUE(window.FastCrystalReportsAvailable());
    const int job = window.createCrystal(TOffConfig::getCrystalFile(QStringLiteral("r.vrt")));
    ASSERT_GT(job, 0);
    ASSERT_TRUE(window.showCrystal(job, QStringLiteral("Auswertung"), QString(), QString()));
    ASSERT_NE(nullptr, window.crystalViewer());
    EXPECT_EQ(QStringLiteral("Auswertung"), window.crystalViewer()->windowTitle());
    EXPECT_EQ(QStringLiteral(": 2"), window.crystalViewer()->document()->toPlainText());
    EXPECT_EQ(QUrl::fromLocalFile(designs.path()), window.crystalViewer()->report().baseUrl);

    ModalDriver driver;
    EXPECT_EQ(0, window.createCrystal(designs.file(QStringLiteral("none.vrt"))));
    ASSERT_EQ(1, driver.boxes.size());
    EXPECT_TRUE(driver.boxes.first().startsWith(QStringLiteral("Error: The report ")));
}

TEST_F(HostCrystal, ConfiguredFoldersAndLanguageFiles)
{
    EXPECT_EQ(designs.path(), TOffConfig::getCrystalPath());
    EXPECT_EQ(data.path(), TOffConfig::getCrystalDataPath());
    EXPECT_EQ(designs.file(QStringLiteral("waiters.vrt")),
              TOffConfig::getCrystalFile(QStringLiteral("waiters.vrt")));
    EXPECT_EQ(QStringLiteral("/abs/w.vrt"),
              TOffConfig::getCrystalFile(QStringLiteral("/abs/w.vrt")));
    EXPECT_EQ(designs.file(QStringLiteral("waiters.lng")),
              TOffConfig::getCrystalDefaultLngFile(QStringLiteral("waiters.vrt")));
    EXPECT_EQ(QString(), TOffConfig::getCrystalFile(QString()));

    // a document without data for reports says so
    TOffDocument doc(QStringLiteral("plain"), &window);
    window.showDocument(&doc);
    window.onFileCrystal();
    EXPECT_EQ(QStringLiteral("This document hands no data to reports"), window.statusText());
    // the host's part of an export makes the lists' folder
    TOffConfig::ini().writeString(QStringLiteral("Crystal"), QStringLiteral("DataPath"),
                                  data.file(QStringLiteral("lists/today")));
    Basics::TInifile ini(designs.file(QStringLiteral("none.ini")));
    EXPECT_TRUE(doc.crystalExport(ini, data.path(), false));
    EXPECT_TRUE(QFileInfo(data.file(QStringLiteral("lists/today"))).isDir());
    Basics::TValueList list;
    auto *record = new Basics::TValue;
    record->setString(QStringLiteral("amount"), QStringLiteral("5"));
    list.append(record);
    EXPECT_TRUE(doc.crystalExport(&list, QStringLiteral("pays"), QString(), true, true, false,
                                  QString()));
    EXPECT_TRUE(QFileInfo::exists(data.file(QStringLiteral("lists/today/pays.txt"))));
    EXPECT_FALSE(doc.crystalExport(&list, QStringLiteral("pays"), QString(), true, true, false,
                                   data.file(QStringLiteral("no/such/pays.txt"))));
}
