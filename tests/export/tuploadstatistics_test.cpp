#include "tuploadstatistics.h"

#include "dotnetpluginhost.h"
#include "logcapture.h"
#include "plugintestsupport.h"
#include "testdir.h"
#include "tpluginbridge.h"
#include "tsettings.h"

#include <QDomDocument>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using Basics::TValue;
using DotNetPluginLibrary::DotNetPluginHost;

namespace {

using Parameters = std::vector<std::pair<QString, QString>>;

const QDate Day(2026, 3, 5);
const QString Upload = QStringLiteral("UploadStatistXml");

// An installation with its record and a "VUrazEdad" that keeps the request
// and answers `answer`.
class UploadTest : public ::testing::Test
{
protected:
    void writeRecord(const std::function<void(TValue &)> &fill)
    {
        PosLib::TSettings settings;
        auto *record = new TValue;
        record->setBool(QStringLiteral("cloudserviceactive"), true);
        fill(*record);
        settings.insert(record);
        settings.save(dir.path().toLocal8Bit().constData());
    }

    void writePlugin(const QByteArray &answer = "<result code=\"0\"/>", int exitCode = 0)
    {
        writeScriptPlugin(plugins(), QStringLiteral("VUrazEdad"),
                          "cat > \"" + dir.file("request.xml").toUtf8() + "\"\necho '" + answer
                                  + "'\nexit " + QByteArray::number(exitCode));
    }

    QString plugins() const { return dir.file(QStringLiteral("plugins")); }

    int upload(const QString &operation = Upload)
    {
        DotNetPluginHost host(plugins());
        return PosLib::uploadStatistics(dir.path(), operation, Day, &host);
    }

    // The "snapshotsettings" parameters the plug-in received, in order.
    Parameters received() const
    {
        QDomDocument request;
        EXPECT_TRUE(request.setContent(dir.read(QStringLiteral("request.xml"))));
        const QDomElement function
                = request.elementsByTagName(QStringLiteral("function")).item(0).toElement();
        EXPECT_EQ(QStringLiteral("VUrazEdad"), request.elementsByTagName(QStringLiteral("plugin"))
                                                       .item(0)
                                                       .toElement()
                                                       .attribute(QStringLiteral("name")));
        EXPECT_EQ(Upload, function.attribute(QStringLiteral("name")));
        const QDomElement group = function.firstChildElement(QStringLiteral("params"))
                                          .firstChildElement(QStringLiteral("snapshotsettings"));
        Parameters result;
        for (QDomElement e = group.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
            result.emplace_back(e.tagName(), e.attribute(QStringLiteral("value")));
        EXPECT_EQ(int(result.size()), group.attribute(QStringLiteral("count")).toInt());
        return result;
    }

    Parameters base(const QString &mode) const
    {
        return {{"path", dir.path()}, {"statistdate", "05.03.2026"}, {"cloudmode", mode}};
    }

    TestDir dir;
};

} // namespace

TEST_F(UploadTest, FtpSendsEveryFilledField)
{
    writePlugin();
    writeRecord([](TValue &r) {
        r.setInt("cloudservice", 0);
        r.setString("cloudftpip", "10.0.0.5");
        r.setString("cloudftpuser", "pos");
        r.setString("cloudftppassword", "secret");
        r.setString("cloudftppath", "/upload");
    });
    EXPECT_EQ(0, upload());
    Parameters expected = base("ftp");
    expected.insert(expected.end(), {{"ftpip", "10.0.0.5"},
                                     {"ftpuser", "pos"},
                                     {"ftppassword", "secret"},
                                     {"ftppath", "/upload"}});
    EXPECT_EQ(expected, received());

    writeRecord([](TValue &r) {
        r.setInt("cloudservice", 0);
        r.setString("cloudftpip", "10.0.0.5");
    });
    EXPECT_EQ(0, upload());
    expected = base("ftp");
    expected.emplace_back("ftpip", "10.0.0.5");
    EXPECT_EQ(expected, received());
}

TEST_F(UploadTest, DatabaseLoginOnlyWithoutIntegratedSecurity)
{
    writePlugin();
    auto fields = [](TValue &r) {
        r.setInt("cloudservice", 1);
        r.setString("dbservername", "sql1");
        r.setString("dbdatabasename", "stats");
        r.setString("dbusername", "sa");
        r.setString("dbpassword", "pw");
    };
    writeRecord(fields);
    EXPECT_EQ(0, upload());
    Parameters expected = base("db");
    expected.insert(expected.end(),
                    {{"dbserver", "sql1"}, {"dbdatabasename", "stats"}, {"dbusepassword", "no"}});
    EXPECT_EQ(expected, received());

    writeRecord([&](TValue &r) {
        fields(r);
        r.setBool("dbnointegratedsec", true);
        r.setString("dbpassword", "");
    });
    EXPECT_EQ(0, upload());
    expected.back().second = "yes";
    expected.emplace_back("dbusername", "sa");
    EXPECT_EQ(expected, received());
}

TEST_F(UploadTest, LocalFileAndWebCloud)
{
    writePlugin();
    writeRecord([](TValue &r) { r.setInt("cloudservice", 2); });
    EXPECT_EQ(0, upload());
    EXPECT_EQ(base("localfile"), received());

    writeRecord([](TValue &r) {
        r.setInt("cloudservice", 2);
        r.setString("cloudlocalfilepath", "/mnt/backup");
    });
    EXPECT_EQ(0, upload());
    Parameters expected = base("localfile");
    expected.emplace_back("filepath", "/mnt/backup");
    EXPECT_EQ(expected, received());

    writeRecord([](TValue &r) {
        r.setInt("cloudservice", 3);
        r.setString("cloudkorvalusername", "bistro");
        r.setString("cloudkorvalpassword", "pw");
        r.setString("cloudlocalfilepath", "/mnt/backup"); // not for this mode
    });
    EXPECT_EQ(0, upload());
    expected = base("webcloud");
    expected.insert(expected.end(), {{"cloudusername", "bistro"}, {"cloudpassword", "pw"}});
    EXPECT_EQ(expected, received());
}

TEST_F(UploadTest, UnknownModeAndOtherOperation)
{
    writePlugin();
    writeRecord([](TValue &r) {
        r.setInt("cloudservice", 7);
        r.setString("cloudftpip", "10.0.0.5");
    });
    EXPECT_EQ(0, upload());
    EXPECT_EQ((Parameters {{"path", dir.path()}, {"statistdate", "05.03.2026"}}), received());

    TValue record;
    record.setInt("cloudservice", 2);
    EXPECT_EQ(QStringList({"path^=|.", "cloudmode^=|localfile"}),
              PosLib::uploadParameters(record, QString(), QStringLiteral("ListSnapshots"), Day));
    EXPECT_EQ(QStringList({"path^=|/pos", "statistdate^=|05.03.2026", "cloudmode^=|localfile"}),
              PosLib::uploadParameters(record, "/pos", QStringLiteral("DownloadStatistXml"), Day));
}

TEST_F(UploadTest, NothingToDoWithoutRecordOrWhenInactive)
{
    writePlugin();
    EXPECT_EQ(0, upload());
    writeRecord([](TValue &r) {
        r.setBool("cloudserviceactive", false);
        r.setInt("cloudservice", 2);
    });
    EXPECT_EQ(0, upload());
    EXPECT_FALSE(dir.exists(QStringLiteral("request.xml")));
    // Not even a missing bridge matters then.
    EXPECT_EQ(0, PosLib::uploadStatistics(dir.path(), Upload, Day, nullptr));
}

TEST_F(UploadTest, ArgumentsInTheOrderRootOperationDay)
{
    writePlugin();
    writeRecord([](TValue &r) { r.setInt("cloudservice", 2); });
    DotNetPluginHost host(plugins());
    const QString root = dir.path();
    EXPECT_EQ(0, PosLib::uploadStatistics(root, "UploadStatistXml", Day, &host));
    // received() checks the function name; the root is the "path".
    EXPECT_EQ(base("localfile"), received());
}

TEST_F(UploadTest, FailureCodes)
{
    writeRecord([](TValue &r) { r.setInt("cloudservice", 2); });
    // No plug-in directory: the host starts, the call fails.
    EXPECT_EQ(PosLib::UploadFailed, upload());
    // No host at all.
    EXPECT_EQ(PosLib::UploadNoHost, PosLib::uploadStatistics(dir.path(), Upload, Day, nullptr));

    // A directory without the plug-in: the call fails.
    QDir().mkpath(plugins());
    EXPECT_EQ(PosLib::UploadFailed, upload());

    writePlugin("<result code=\"12\" message=\"no space\"/>");
    EXPECT_EQ(PosLib::UploadFailed, upload());
    writePlugin("<result code=\"soon\"/>");
    EXPECT_EQ(PosLib::UploadFailed, upload());
    writePlugin("<result code=\"0\"/>", 9);
    EXPECT_EQ(PosLib::UploadFailed, upload());
    // An answer without a code counts as done.
    writePlugin("<result message=\"fine\"/>");
    EXPECT_EQ(PosLib::UploadDone, upload());
}

namespace {

// A bridge that cannot be initialised.
class DeadBridge : public PosLib::TPluginBridge
{
public:
    bool init() override { return false; }
    int callPlugin(const QString &, const QString &, const QString &, const QStringList &) override
    {
        ++calls;
        return 0;
    }
    QString resultAttribute(const QString &, const QString &defaultValue) const override
    {
        return defaultValue;
    }
    QString errorText() const override { return QString(); }
    int calls = 0;
};

} // namespace

TEST_F(UploadTest, HostThatCannotStart)
{
    writeRecord([](TValue &r) { r.setInt("cloudservice", 2); });
    DeadBridge bridge;
    const LogCapture log;
    EXPECT_EQ(PosLib::UploadNoHost, PosLib::uploadStatistics(dir.path(), Upload, Day, &bridge));
    EXPECT_EQ(0, bridge.calls);
    EXPECT_TRUE(log.contains(QStringLiteral("Could not initialize the VUrazEdad plugin.")))
            << log.lines.join('\n').toStdString();
}

TEST_F(UploadTest, UnreadableRecordIsAnErrorOfItsOwn)
{
    writePlugin();
    const QString file = dir.file(QStringLiteral("usr/data/settings.dat"));
    // A field count that the rest of the file cannot hold.
    dir.write(QStringLiteral("usr/data/settings.dat"), QByteArray("\xff\xff\xff\xf0", 4));
    {
        const LogCapture log;
        EXPECT_EQ(PosLib::UploadNoSettings, upload());
        EXPECT_TRUE(log.contains(file)) << log.lines.join('\n').toStdString();
    }
    // A file that ends inside a record.
    writeRecord([](TValue &r) { r.setInt("cloudservice", 2); });
    const QByteArray whole = dir.read(QStringLiteral("usr/data/settings.dat"));
    dir.write(QStringLiteral("usr/data/settings.dat"), whole.left(whole.size() - 3));
    {
        const LogCapture log;
        EXPECT_EQ(PosLib::UploadNoSettings, upload());
        EXPECT_TRUE(log.contains(file)) << log.lines.join('\n').toStdString();
    }
    EXPECT_FALSE(dir.exists(QStringLiteral("request.xml")));
}

TEST_F(UploadTest, UsesTheBridgeTheProgramSet)
{
    writePlugin();
    writeRecord([](TValue &r) { r.setInt("cloudservice", 2); });
    DotNetPluginHost host(plugins());
    PosLib::setPluginBridge(&host);
    EXPECT_EQ(0, PosLib::uploadStatistics(dir.path(), Upload, Day));
    PosLib::setPluginBridge(nullptr);
    EXPECT_EQ(base("localfile"), received());
    EXPECT_EQ(PosLib::UploadNoHost, PosLib::uploadStatistics(dir.path(), Upload, Day));
}
