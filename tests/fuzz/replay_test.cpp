// Every committed corpus file and every input that once crashed a target
// runs through its target on every build: no fuzzer needed.

#include "fuzzsupport.h"
#include "fuzztargets.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using Target = int (*)(const uint8_t *, size_t);

// Feeds each file of corpus/NAME and crashes/NAME to the target; returns
// how many there were.
int replay(const char *name, Target target)
{
    fuzzSetUp();
    int files = 0;
    for (const char *kind : {"corpus", "crashes"}) {
        const QDir dir(QStringLiteral(VELTRUM_FUZZ_DIR "/%1/%2")
                               .arg(QLatin1String(kind), QLatin1String(name)));
        for (const QString &file : dir.entryList(QDir::Files, QDir::Name)) {
            QFile in(dir.filePath(file));
            EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << qPrintable(file);
            const QByteArray bytes = in.readAll();
            SCOPED_TRACE(qPrintable(dir.filePath(file)));
            EXPECT_EQ(0, target(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                size_t(bytes.size())));
            ++files;
        }
    }
    return files;
}

} // namespace

TEST(FuzzCorpus, ValueLists)
{
    EXPECT_LT(0, replay("valuelist", fuzzValueList));
}
TEST(FuzzCorpus, IniFiles)
{
    EXPECT_LT(0, replay("inifile", fuzzIniFile));
}
TEST(FuzzCorpus, TableFiles)
{
    EXPECT_LT(0, replay("tablefile", fuzzTableFile));
}
TEST(FuzzCorpus, DaySummaries)
{
    EXPECT_LT(0, replay("daysummary", fuzzDaySummary));
}
TEST(FuzzCorpus, ArchiveIndex)
{
    EXPECT_LT(0, replay("archiveindex", fuzzArchiveIndex));
}
TEST(FuzzCorpus, LayoutJobs)
{
    EXPECT_LT(0, replay("jobparser", fuzzJobParser));
}
TEST(FuzzCorpus, FilterConditions)
{
    EXPECT_LT(0, replay("sumfilter", fuzzSumFilter));
}
TEST(FuzzCorpus, ListXml)
{
    EXPECT_LT(0, replay("listxml", fuzzListXml));
}
TEST(FuzzCorpus, DayAggregates)
{
    EXPECT_LT(0, replay("dayaggregate", fuzzDayAggregate));
}
