#include "twalkreport.h"

#include "dotnetpluginhost.h"
#include "plugintestsupport.h"
#include "testdir.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

using DotNetPluginLibrary::DotNetPluginHost;
using DotNetPluginLibrary::TWalkOptions;
using DotNetPluginLibrary::TWalkReport;

namespace {

TWalkOptions someOptions()
{
    TWalkOptions o;
    o.walkId = 12;
    o.from = QDate(2015, 2, 1);
    o.to = QDate(2015, 2, 3);
    o.outlet = 2;
    o.filter = 0;
    o.openTables = true;
    o.withoutCredits = false;
    o.inTurnoverType = 1;
    o.traineeType = 2;
    o.file = QStringLiteral("var/reports/walkreport-12-0-03.02.2015-14.05.09.wrp");
    return o;
}

} // namespace

TEST(WalkReport, ReportFileNameInTheReportsDirectory)
{
    TestDir dir;
    const QDateTime now(QDate(2015, 2, 3), QTime(14, 5, 9));
    EXPECT_EQ(QStringLiteral("var/reports/walkreport-12-0-03.02.2015-14.05.09.wrp"),
              TWalkReport::reportFileName(QStringLiteral("var/reports/"), 12, now));

    TWalkReport walk(dir.path());
    EXPECT_EQ(dir.path() + QStringLiteral("var/reports/walkreport-12-0-03.02.2015-14.05.09.wrp"),
              walk.prepare(12, now));
    EXPECT_EQ(walk.prepare(12, now), walk.fileName());
    EXPECT_TRUE(QFileInfo(dir.file(QStringLiteral("var/reports"))).isDir());
}

TEST(WalkReport, ParametersForPluginAndProgram)
{
    TWalkOptions options = someOptions();
    const QStringList withoutWaiter = {
            "walkid^=|12",     "from^=|20150201", "to^=|20150203",          "outlet^=|2",
            "filter^=|0",      "opentabs^=|1",    "withoutcredits^=|0",     "inturnovertype^=|1",
            "traineetype^=|2", "path^=|.",        "file^=|" + options.file,
    };
    EXPECT_EQ(withoutWaiter, TWalkReport::parameters(options));

    options.reportWaiter = 0;
    options.path = QStringLiteral("/srv/pos");
    options.withoutCredits = true;
    const QStringList lines = TWalkReport::parameters(options);
    EXPECT_EQ(QStringLiteral("withoutcredits^=|1"), lines.at(6));
    EXPECT_EQ(QStringLiteral("path^=|/srv/pos"), lines.at(9));
    EXPECT_EQ(QStringLiteral("reportwaiter^=|0"), lines.last());

    EXPECT_EQ(QStringList({"walkid=12", "from=20150201", "to=20150203", "outlet=2", "filter=0",
                           "opentabs=1", "withoutcredits=1", "path=/srv/pos",
                           "file=" + options.file, "reportwaiter=0"}),
              TWalkReport::programArguments(lines));

    const auto request = TWalkReport::pluginRequest(lines);
    EXPECT_EQ(QStringLiteral("VErov"), request.plugin());
    EXPECT_EQ(QStringLiteral("CallFunction"), request.function());
    const QDomElement group
            = request.elementsByTagName(QStringLiteral("walksettings")).item(0).toElement();
    EXPECT_EQ(QStringLiteral("12"), group.attribute(QStringLiteral("count")));
    EXPECT_EQ(QStringLiteral("20150203"),
              group.firstChildElement(QStringLiteral("to")).attribute(QStringLiteral("value")));
}

TEST(WalkReport, TakeReportReadsAndDeletesTheFile)
{
    TestDir dir;
    TWalkReport walk(dir.path());
    EXPECT_TRUE(walk.takeReport().isEmpty()); // no run yet

    const QString name = walk.prepare(3, QDateTime(QDate(2015, 2, 3), QTime(9, 0)));
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Umsatz K\xc3\xbc"
               "che\n\nTotal 12,50\n");
    file.close();
    EXPECT_EQ(QStringList({QString::fromUtf8("Umsatz K\xc3\xbc"
                                             "che"),
                           QString(), "Total 12,50"}),
              walk.takeReport());
    EXPECT_FALSE(QFileInfo::exists(name));
    EXPECT_TRUE(walk.fileName().isEmpty());

    // A run that wrote nothing keeps its name.
    walk.prepare(3, QDateTime(QDate(2015, 2, 3), QTime(9, 1)));
    EXPECT_TRUE(walk.takeReport().isEmpty());
    EXPECT_FALSE(walk.fileName().isEmpty());
}

TEST(WalkReport, ProgramVariantWithoutThePlugin)
{
    TestDir dir;
    TWalkReport walk(dir.path());
    EXPECT_FALSE(walk.usePlugin());
    // A "VErov" of the plug-in directory does not select the plug-in.
    writeScriptPlugin(dir.file(QStringLiteral("plugins")), QStringLiteral("VErov"), "exit 0");
    EXPECT_FALSE(walk.usePlugin());

    // "walk.exe" stand-in: records its arguments and writes the report.
    writeScriptPlugin(
            dir.path(), QStringLiteral("walk.exe"),
            "printf '%s\\n' \"$@\" > args.txt\n"
            "for a in \"$@\"; do case \"$a\" in file=*) echo \"report line\" > \"${a#file=}\";; "
            "esac; done");
    TWalkOptions options = someOptions();
    options.file = walk.prepare(options.walkId, QDateTime(QDate(2015, 2, 3), QTime(14, 5, 9)));
    const QStringList lines = TWalkReport::parameters(options);
    QProcess process;
    QString message;
    ASSERT_TRUE(walk.startProgram(process, lines, &message));
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ((TWalkReport::programArguments(lines).join('\n') + '\n').toUtf8(),
              dir.read(QStringLiteral("args.txt")));
    EXPECT_EQ(QStringList {QStringLiteral("report line")}, walk.takeReport());

    TWalkReport elsewhere(dir.file(QStringLiteral("nowhere")));
    QProcess missing;
    EXPECT_FALSE(elsewhere.startProgram(missing, lines, &message));
    EXPECT_EQ(QStringLiteral("Could not start walk.exe"), message);
}

TEST(WalkReport, PluginVariantLoadsVErovDllOfTheWorkingDirectory)
{
    TestDir dir;
    const QString plugins = dir.file(QStringLiteral("plugins"));
    // A "VErov" of the host's plug-in directory is never called.
    writeScriptPlugin(plugins, QStringLiteral("VErov"),
                      "touch \"" + dir.file("wrong").toUtf8() + "\"\necho '<result/>'");
    DotNetPluginHost host(plugins);
    TWalkReport walk(dir.path());
    EXPECT_EQ(dir.file(QStringLiteral("VErov.dll")), walk.pluginFile());

    // The plug-in writes the report file named in its request.
    writeScriptPlugin(dir.path(), QStringLiteral("VErov.dll"),
                      "cat > \"" + dir.file("request.xml").toUtf8()
                              + "\"\n"
                                "file=$(sed -n 's/.*<file value=\"\\([^\"]*\\)\".*/\\1/p' \""
                              + dir.file("request.xml").toUtf8()
                              + "\")\n"
                                "echo 'walk line' > \"$file\"\necho '<result/>'");
    EXPECT_TRUE(walk.usePlugin());
    TWalkOptions options = someOptions();
    options.file = walk.prepare(options.walkId, QDateTime(QDate(2015, 2, 3), QTime(14, 5, 9)));
    const QStringList lines = TWalkReport::parameters(options);
    QString title;
    QString message;
    ASSERT_TRUE(walk.runPlugin(host, lines, &title, &message)) << message.toStdString();
    EXPECT_EQ(TWalkReport::pluginRequest(lines).toString().toUtf8(),
              dir.read(QStringLiteral("request.xml")));
    EXPECT_EQ(QStringList {QStringLiteral("walk line")}, walk.takeReport());
    EXPECT_FALSE(dir.exists(QStringLiteral("wrong")));

    // A status other than 0 is shown with its code.
    writeScriptPlugin(dir.path(), QStringLiteral("VErov.dll"),
                      "cat >/dev/null\necho '<result/>'\nexit 6");
    EXPECT_FALSE(walk.runPlugin(host, lines, &title, &message));
    EXPECT_EQ(QStringLiteral("Walk plugin error"), title);
    EXPECT_EQ(QStringLiteral("The plugin has encountered an error. Code: 6"), message);

    // Built as a library it loads too.
    QFile::remove(dir.file(QStringLiteral("VErov.dll")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELTRUM_TEST_PLUGIN_FILE),
                            dir.file(QStringLiteral("VErov.dll"))));
    EXPECT_TRUE(walk.runPlugin(host, lines, &title, &message)) << message.toStdString();
    EXPECT_EQ(QStringLiteral("CallFunction"), host.resultAttribute(QStringLiteral("message")));
    EXPECT_FALSE(dir.exists(QStringLiteral("wrong")));
}
