#include "testdir.h"
#include "veltrumprocess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

class ExportAuditCommand : public ::testing::Test
{
protected:
    void SetUp() override { root = writeDemo(dir, 2, 6); }
    void writeCompany()
    {
        QFile file(root + QStringLiteral("/etc/company.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Company]\nname = Linde\nstreet = Weg 2\nzip = 79098\ncity = Freiburg\n"
                   "taxnumber = 06/123/45678\n");
    }
    Outcome exportAudit(const QString &output)
    {
        return veltrum({QStringLiteral("export"), QStringLiteral("audit"), QStringLiteral("--data"),
                        root, QStringLiteral("--from"), QStringLiteral("2026-12-03"),
                        QStringLiteral("--to"), QStringLiteral("2026-12-04"),
                        QStringLiteral("--output"), output});
    }

    TestDir dir;
    QString root;
};

} // namespace

TEST_F(ExportAuditCommand, WritesTheFilesAndSaysWhatOrWhyNot)
{
    // without the company's data: exit 1, the file named, nothing written
    const QString folder = dir.file(QStringLiteral("audit"));
    const Outcome refused = exportAudit(folder);
    EXPECT_EQ(1, refused.code);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("etc/company.ini: missing"))) << refused.err;
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(folder));

    writeCompany();
    const Outcome done = exportAudit(folder);
    ASSERT_EQ(0, done.code) << done.err;
    EXPECT_TRUE(done.out.startsWith(folder + QStringLiteral("  2 days  2 closings  "))) << done.out;
    EXPECT_TRUE(done.out.trimmed().endsWith(QStringLiteral("22 files"))) << done.out;
    EXPECT_TRUE(dir.exists(QStringLiteral("audit/index.xml")));
    EXPECT_TRUE(dir.exists(QStringLiteral("audit/gdpdu-01-09-2004.dtd")));

    // the same folder again: refused, the export kept as it was
    const QByteArray index = dir.read(QStringLiteral("audit/index.xml"));
    const Outcome again = exportAudit(folder);
    EXPECT_EQ(1, again.code);
    EXPECT_TRUE(again.err.contains(QStringLiteral("holds files already"))) << again.err;
    EXPECT_EQ(index, dir.read(QStringLiteral("audit/index.xml")));

    const Outcome zipped = exportAudit(dir.file(QStringLiteral("audit.zip")));
    ASSERT_EQ(0, zipped.code) << zipped.err;
    EXPECT_TRUE(dir.read(QStringLiteral("audit.zip")).startsWith("PK"));
}
