// The cache of closed days is shared by every program built with the same
// report engine: what one program wrote, another reads without writing it
// anew (the back office and veltrum take turns on one installation).

#include "commands.h"
#include "tcommandtable.h"
#include "testdir.h"
#include "veltrumprocess.h"

#include <QDirIterator>
#include <QFile>
#include <QMap>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// Each cached day's file with its inode: a file written anew gets another.
QMap<QString, quint64> cachedDays(const QString &root)
{
    QMap<QString, quint64> files;
    QDirIterator it(root + QStringLiteral("/var/reportcache"), {QStringLiteral("*.agg")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        struct stat st;
        if (::stat(QFile::encodeName(file).constData(), &st) == 0)
            files.insert(file, quint64(st.st_ino));
    }
    return files;
}

TEST(ReportCache, AnotherProgramReadsTheDaysOneProgramWrote)
{
    TestDir dir;
    const QString root = writeDemo(dir, 3, 12);
    const auto args = [&](const QString &output) {
        return QStringList {QStringLiteral("report"),
                            QStringLiteral("--data"),
                            root,
                            QStringLiteral("--kind"),
                            QStringLiteral("7"),
                            QStringLiteral("--from"),
                            QStringLiteral("2026-12-02"),
                            QStringLiteral("--to"),
                            QStringLiteral("2026-12-04"),
                            QStringLiteral("--now"),
                            QStringLiteral("2026-12-05T21:00:00"),
                            QStringLiteral("--output"),
                            dir.path() + output};
    };
    // this test program fills the cache
    ASSERT_EQ(0, TCommandTable({reportCommand()}).run(args(QStringLiteral("here.txt"))));
    const QMap<QString, quint64> written = cachedDays(root);
    ASSERT_EQ(3, written.size());

    // veltrum reads those days and writes none of them again
    const Outcome there = veltrum(args(QStringLiteral("there.txt")));
    ASSERT_EQ(0, there.code) << there.err;
    EXPECT_EQ(written, cachedDays(root));
    EXPECT_EQ(dir.read(QStringLiteral("here.txt")), dir.read(QStringLiteral("there.txt")));
}

} // namespace
