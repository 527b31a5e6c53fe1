#include "dotnetpluginhost.h"

#include "plugintestsupport.h"
#include "testdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using DotNetPluginLibrary::DotNetPluginHost;
using DotNetPluginLibrary::DotNetPluginRequest;

namespace {

DotNetPluginRequest requestFor(const QString &plugin)
{
    DotNetPluginRequest request;
    request.setPlugin(plugin);
    request.setFunction(QStringLiteral("Run"));
    request.addParams(QStringLiteral("settings"), QStringList {QStringLiteral("a^=|1")});
    return request;
}

} // namespace

TEST(PluginHost, CallBeforeInitIsRefusedAndInitAlwaysSucceeds)
{
    TestDir dir;
    DotNetPluginHost host(dir.file(QStringLiteral("plugins")));
    EXPECT_EQ(DotNetPluginHost::NotInitialised, host.call(requestFor(QStringLiteral("Echo"))));
    EXPECT_TRUE(host.lastRequest().isEmpty());

    // Without a plug-in directory the host starts all the same; the call
    // then fails on the missing plug-in.
    EXPECT_TRUE(host.init());
    EXPECT_EQ(DotNetPluginHost::HostError, host.call(requestFor(QStringLiteral("Echo"))));
    EXPECT_TRUE(host.errorText().contains(QStringLiteral("Echo")))
            << host.errorText().toStdString();
    EXPECT_FALSE(host.lastRequest().isEmpty());
}

TEST(PluginHost, RequestWithoutPluginIsNotPassedOn)
{
    TestDir dir;
    const QString plugins = dir.file(QStringLiteral("plugins"));
    // Any plug-in started would leave its mark.
    writeScriptPlugin(plugins, QStringLiteral("Echo"),
                      "touch \"" + dir.file("called").toUtf8() + "\"");
    DotNetPluginHost host(plugins);
    ASSERT_TRUE(host.init());
    DotNetPluginRequest request;
    request.setFunction(QStringLiteral("Run"));
    EXPECT_EQ(DotNetPluginHost::NoPlugin, host.call(request));
    EXPECT_TRUE(host.lastRequest().isEmpty());
    EXPECT_FALSE(dir.exists(QStringLiteral("called")));
}

TEST(PluginHost, MissingPluginFailsTheCall)
{
    TestDir dir;
    QDir().mkpath(dir.file(QStringLiteral("plugins")));
    DotNetPluginHost host(dir.file(QStringLiteral("plugins")));
    ASSERT_TRUE(host.init());
    EXPECT_FALSE(host.hasPlugin(QStringLiteral("VErov")));
    EXPECT_EQ(DotNetPluginHost::HostError, host.call(requestFor(QStringLiteral("VErov"))));
    EXPECT_TRUE(host.errorText().contains(QStringLiteral("VErov")))
            << host.errorText().toStdString();
    // A name cannot reach outside the directory.
    EXPECT_FALSE(host.hasPlugin(QStringLiteral("../plugins")));
}

TEST(PluginHost, ProgramGetsRequestAndAnswersWithCode)
{
    TestDir dir;
    const QString plugins = dir.file(QStringLiteral("plugins"));
    writeScriptPlugin(plugins, QStringLiteral("Echo"),
                      "cat > \"" + dir.file("request.xml").toUtf8()
                              + "\"\necho '<answer><result code=\"7\" message=\"seven\"/></answer>'"
                                "\nexit 3");
    DotNetPluginHost host(plugins);
    ASSERT_TRUE(host.init());
    EXPECT_TRUE(host.hasPlugin(QStringLiteral("Echo")));
    const DotNetPluginRequest request = requestFor(QStringLiteral("Echo"));
    EXPECT_EQ(3, host.call(request));
    EXPECT_TRUE(host.errorText().isEmpty());
    EXPECT_EQ(request.toString().toUtf8(), dir.read(QStringLiteral("request.xml")));
    EXPECT_EQ(7, host.response().resultInt(QStringLiteral("code")));
    EXPECT_EQ(QStringLiteral("seven"), host.resultAttribute(QStringLiteral("message")));
}

TEST(PluginHost, BrokenAnswersAreHostErrors)
{
    TestDir dir;
    const QString plugins = dir.file(QStringLiteral("plugins"));
    writeScriptPlugin(plugins, QStringLiteral("Garbage"), "cat >/dev/null\necho 'no xml <'");
    writeScriptPlugin(plugins, QStringLiteral("Crash"), "cat >/dev/null\nkill -9 $$");
    writeScriptPlugin(plugins, QStringLiteral("Slow"), "sleep 30");
    DotNetPluginHost host(plugins);
    host.setTimeout(300);
    ASSERT_TRUE(host.init());
    for (const char *name : {"Garbage", "Crash", "Slow"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(DotNetPluginHost::HostError, host.call(requestFor(QString::fromLatin1(name))));
        EXPECT_FALSE(host.errorText().isEmpty());
        EXPECT_EQ(QStringLiteral("-"), host.resultAttribute(QStringLiteral("code"), "-"));
    }

    // A good call afterwards clears the error text.
    writeScriptPlugin(plugins, QStringLiteral("Good"),
                      "cat >/dev/null\necho '<result code=\"0\"/>'");
    EXPECT_EQ(0, host.call(requestFor(QStringLiteral("Good"))));
    EXPECT_TRUE(host.errorText().isEmpty());
}

TEST(PluginHost, LibraryPlugin)
{
    DotNetPluginHost host(QStringLiteral(VELTRUM_TEST_PLUGIN_DIR));
    ASSERT_TRUE(host.init());
    ASSERT_TRUE(host.hasPlugin(QStringLiteral("LibraryEcho")));
    EXPECT_EQ(0, host.call(requestFor(QStringLiteral("LibraryEcho"))))
            << host.errorText().toStdString();
    EXPECT_EQ(1, host.response().resultInt(QStringLiteral("code"), -1));
    EXPECT_EQ(QStringLiteral("Run"), host.resultAttribute(QStringLiteral("message")));
    // Loaded once, called again.
    EXPECT_EQ(0, host.callPlugin(QStringLiteral("LibraryEcho"), QStringLiteral("Again"),
                                 QStringLiteral("g"), QStringList()));
    EXPECT_EQ(QStringLiteral("Again"), host.resultAttribute(QStringLiteral("message")));
}

TEST(PluginHost, FileThatIsNoPluginLibrary)
{
    TestDir dir;
    dir.write(QStringLiteral("plugins/libFake.so"), "not a library");
    DotNetPluginHost host(dir.file(QStringLiteral("plugins")));
    ASSERT_TRUE(host.init());
    EXPECT_EQ(DotNetPluginHost::HostError, host.call(requestFor(QStringLiteral("Fake"))));
    EXPECT_FALSE(host.errorText().isEmpty());
}

TEST(PluginHost, PluginFileOutsideTheDirectory)
{
    TestDir dir;
    const QString plugins = dir.file(QStringLiteral("plugins"));
    writeScriptPlugin(plugins, QStringLiteral("VErov"),
                      "cat >/dev/null\necho '<result message=\"directory\"/>'");
    DotNetPluginHost host(plugins);
    ASSERT_TRUE(host.init());

    // A library whose name says nothing on this system still loads as one.
    const QString library = dir.file(QStringLiteral("VErov.dll"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELTRUM_TEST_PLUGIN_FILE), library));
    host.setPluginFile(QStringLiteral("VErov"), library);
    EXPECT_EQ(library, host.pluginPath(QStringLiteral("VErov")));
    EXPECT_EQ(0, host.call(requestFor(QStringLiteral("VErov")))) << host.errorText().toStdString();
    EXPECT_EQ(QStringLiteral("Run"), host.resultAttribute(QStringLiteral("message")));

    // A program of that name runs as a program.
    const QString program
            = writeScriptPlugin(dir.file(QStringLiteral("work")), QStringLiteral("VErov.dll"),
                                "cat >/dev/null\necho '<result message=\"program\"/>'");
    host.setPluginFile(QStringLiteral("VErov"), program);
    EXPECT_EQ(0, host.call(requestFor(QStringLiteral("VErov")))) << host.errorText().toStdString();
    EXPECT_EQ(QStringLiteral("program"), host.resultAttribute(QStringLiteral("message")));

    // A file that is gone fails the call, without falling back on the
    // directory; an empty path goes back to it.
    QFile::remove(program);
    EXPECT_EQ(DotNetPluginHost::HostError, host.call(requestFor(QStringLiteral("VErov"))));
    EXPECT_TRUE(host.errorText().contains(program)) << host.errorText().toStdString();
    host.setPluginFile(QStringLiteral("VErov"), QString());
    EXPECT_EQ(0, host.call(requestFor(QStringLiteral("VErov"))));
    EXPECT_EQ(QStringLiteral("directory"), host.resultAttribute(QStringLiteral("message")));
}

TEST(PluginHost, PluginDirectoryOfAnInstallation)
{
    TestDir dir;
    int argc = 1;
    char name[] = "test_export";
    char *argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    // Without its own directory: the one beside the program's.
    EXPECT_EQ(QDir::cleanPath(builtPluginDir()) + '/', DotNetPluginHost::findPluginDir(dir.path()));
    QDir().mkpath(dir.file(QStringLiteral("plugins")));
    EXPECT_EQ(dir.file(QStringLiteral("plugins/")), DotNetPluginHost::findPluginDir(dir.path()));
    EXPECT_EQ(dir.file(QStringLiteral("plugins/")),
              DotNetPluginHost(dir.file(QStringLiteral("plugins"))).pluginDir());
}
