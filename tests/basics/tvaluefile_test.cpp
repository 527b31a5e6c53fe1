#include "logcapture.h"
#include "terror.h"
#include "testdir.h"
#include "tfile.h"
#include "tfilenotices.h"
#include "trecordcodec.h"
#include "tsavefile.h"
#include "tvalue.h"
#include "tvaluefixture.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>

using namespace Basics;
using namespace ValueTest;

namespace {

// Sets or unsets a variable for one test and restores it afterwards.
class EnvGuard
{
public:
    EnvGuard(const char *name, const char *value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        set(value);
    }
    ~EnvGuard()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    void set(const char *value)
    {
        if (value)
            qputenv(m_name, value);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace

// ---- the ".dat" file ------------------------------------------------------

class ValueListFile : public ::testing::Test
{
protected:
    TestDir dir;
    TValueList list;

    int load(const QString &file = "elements.dat") { return list.load(dir.path(), file); }
};

TEST_F(ValueListFile, SavesAscendingIdsByteForByte)
{
    list.insert(record(2));
    TValue *one = record(1);
    one->setString("a", "");
    list.insert(one);
    list.save(dir.path(), "elements.dat");
    const QByteArray expected = bytes({
            0, 0, 0, 2, // id 1: "a" = "", "id" = "1"
            0, 0, 0, 2, 0, 'a', 0, 0,   0, 0, //
            0, 0, 0, 4, 0, 'i', 0, 'd', 0, 0, 0, 2, 0, '1', //
            0, 0, 0, 1, // id 2
            0, 0, 0, 4, 0, 'i', 0, 'd', 0, 0, 0, 2, 0, '2',
    });
    EXPECT_EQ(expected.toHex(' '), dir.read("elements.dat").toHex(' '));
}

TEST_F(ValueListFile, MissingFileClearsList)
{
    list.insert(record(5));
    EXPECT_EQ(7, list.load(dir.path() + "usr/data", "elements.dat"));
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(1, list.nextId());
    EXPECT_TRUE(dir.exists("usr/data"));
}

TEST_F(ValueListFile, LoadInsertsEveryRecord)
{
    QByteArray data = recordBytes(*std::unique_ptr<TValue>(record(3, "c")));
    data += recordBytes(TValue()); // no fields: a record with id 0
    data += recordBytes(*std::unique_ptr<TValue>(record(1, "a")));
    dir.write("elements.dat", data);
    list.insert(record(99));
    Recorder rec(list);

    EXPECT_EQ(0, load());
    EXPECT_EQ((QList<int> {0, 1, 3}), list.ids());
    EXPECT_TRUE(list.find(0)->isEmpty());
    EXPECT_EQ(4, list.nextId());
    EXPECT_EQ(3, rec.inserted.size());
}

TEST_F(ValueListFile, CorruptCountThrowsAndKeepsEarlierRecords)
{
    QByteArray data = recordBytes(*std::unique_ptr<TValue>(record(1, "a")));
    data += recordBytes(*std::unique_ptr<TValue>(record(2, "b")));
    data += bytes({0x01, 0x00, 0x00, 0x00, 0, 0, 0, 0, 0, 0, 0, 0});
    dir.write("elements.dat", data);
    try {
        load();
        FAIL() << "no error thrown";
    } catch (const TError &e) {
        EXPECT_STREQ("tvalue", e.file());
        EXPECT_EQ(106, e.line());
        EXPECT_EQ(5, e.code());
    }
    EXPECT_EQ((QList<int> {1, 2}), list.ids());
}

TEST_F(ValueListFile, TruncatedFileReturns304)
{
    QByteArray data = recordBytes(*std::unique_ptr<TValue>(record(1, "a")));
    const QByteArray second = recordBytes(*std::unique_ptr<TValue>(record(2, "b")));
    dir.write("elements.dat", data + second.left(second.size() - 3));
    EXPECT_EQ(304, load());
    EXPECT_EQ((QList<int> {1}), list.ids());
}

TEST_F(ValueListFile, CompressedOnlyWithPosCompress)
{
    const QByteArray plain = testData("waiters.dat");
    dir.write("elements.dat", qCompress(plain) + char(0xff));
    EnvGuard env("POS_COMPRESS", nullptr);

    // without the variable the packed bytes are taken for records
    EXPECT_EQ(304, load());
    EXPECT_EQ(0, list.count());
    for (const char *off : {"", "0", "false", "FALSE"}) {
        env.set(off);
        EXPECT_EQ(304, load()) << off;
    }
    for (const char *on : {"1", "yes", "true"}) {
        env.set(on);
        EXPECT_EQ(0, load()) << on;
        EXPECT_EQ((QList<int> {1, 2, 3}), list.ids()) << on;
    }
}

TEST_F(ValueListFile, UnmarkedFileIsNeverDecompressed)
{
    const QByteArray packed = qCompress(testData("waiters.dat"));
    ASSERT_NE(char(0xff), packed.back());
    dir.write("elements.dat", packed);
    EnvGuard env("POS_COMPRESS", "1");
    EXPECT_EQ(304, load());
    EXPECT_EQ(0, list.count());

    // a plain list that happens to end in 0xFF still loads
    TValue v;
    v.setString("k", QString(QChar(0x00ff)));
    dir.write("plain.dat", recordBytes(v));
    EXPECT_EQ(0, load("plain.dat"));
    ASSERT_EQ(1, list.count());
    EXPECT_EQ(QString(QChar(0x00ff)), list.find(0)->getString("k"));
}

TEST_F(ValueListFile, SaveTwiceKeepsOneOld)
{
    list.insert(record(1, "first"));
    list.save(dir.path(), "elements.dat");
    const QByteArray first = dir.read("elements.dat");
    list.insert(record(2, "second"));
    list.save(dir.path(), "elements.dat");
    list.save(dir.path(), "elements.dat");

    EXPECT_EQ((QStringList {"elements.dat", "elements.dat.old"}), dir.entries());
    EXPECT_EQ(list.toData(), dir.read("elements.dat"));
    EXPECT_EQ(list.toData(), dir.read("elements.dat.old"));
    EXPECT_NE(first, dir.read("elements.dat"));

    TValueList back;
    EXPECT_EQ(0, back.load(dir.path(), "elements.dat"));
    EXPECT_EQ((QList<int> {1, 2}), back.ids());
}

TEST_F(ValueListFile, FailedSaveLeavesFileIntact)
{
    list.insert(record(1, "kept"));
    list.save(dir.path(), "elements.dat");
    list.save(dir.path(), "elements.dat");
    const QByteArray before = dir.read("elements.dat");
    const QByteArray oldBefore = dir.read("elements.dat.old");

    // a directory where the new file should go fails for root as well
    ASSERT_TRUE(QDir().mkdir(dir.file("elements.dat.new")));
    list.insert(record(2, "lost"));
    EXPECT_THROW(list.save(dir.path(), "elements.dat"), TFileError);
    EXPECT_EQ(before, dir.read("elements.dat"));
    EXPECT_EQ(oldBefore, dir.read("elements.dat.old"));
}

TEST_F(ValueListFile, BasePathUsesDataDir)
{
    list.insert(record(1, "x"));
    const QByteArray base = QFile::encodeName(dir.path() + "pos");
    list.save(base.constData());
    EXPECT_TRUE(dir.exists("pos/usr/data/elements.dat"));
    EXPECT_EQ(dir.path() + "pos/usr/data/elements.dat", list.filePath(base.constData()));
    TValueList back;
    EXPECT_EQ(0, back.load(base.constData()));
    EXPECT_EQ(1, back.count());
}

// ---- reference files of an independent writer -----------------------------

TEST_F(ValueListFile, ReadsWaiters)
{
    dir.copyData("waiters.dat");
    ASSERT_EQ(0, load("waiters.dat"));
    ASSERT_EQ((QList<int> {1, 2, 3}), list.ids());
    EXPECT_EQ(4, list.nextId());

    const TValue *anna = list.find(1);
    EXPECT_EQ("Anna", anna->name());
    EXPECT_EQ("1;3", anna->getString("teams"));
    EXPECT_TRUE(anna->getBool("alltables"));
    EXPECT_EQ(1, anna->getInt("mintablerange"));
    EXPECT_EQ(50, anna->getInt("maxtablerange"));
    EXPECT_EQ(TypeText, anna->get("alltables").type);

    const TValue *bruno = list.find(2);
    EXPECT_EQ("Bruno", bruno->name());
    EXPECT_TRUE(bruno->has("teams"));
    EXPECT_TRUE(bruno->getString("teams").isEmpty());
    EXPECT_FALSE(bruno->getBool("alltables"));

    const TValue *third = list.find(3);
    ASSERT_TRUE(third->has("name"));
    EXPECT_TRUE(third->name().isNull());
    ASSERT_TRUE(third->has("note"));
    EXPECT_FALSE(third->getString("note").isNull());
    EXPECT_TRUE(third->getString("note").isEmpty());
}

TEST_F(ValueListFile, ResavedWaitersKeepTheirBytes)
{
    dir.copyData("waiters.dat");
    ASSERT_EQ(0, load("waiters.dat"));
    list.save(dir.path(), "waiters.dat");
    EXPECT_EQ(testData("waiters.dat").toHex(' '), dir.read("waiters.dat").toHex(' '));
}

TEST_F(ValueListFile, ReadsZCounter)
{
    dir.copyData("zcount.dat");
    ASSERT_EQ(0, load("zcount.dat"));
    ASSERT_EQ(1, list.count());
    EXPECT_EQ(42, list.find(0)->getInt("z"));
}

// ---- what a failed save or a hostile file may not do ------------------------

// A save that fails at any step leaves the list's file as it was, and its
// name is never missing: the old scheme renamed the file away before the
// new one took its place, so a failure (or a kill) between the two left
// no list at all.
TEST_F(ValueListFile, SaveFailingAtAnyStepKeepsTheFile)
{
    list.insert(record(1, "kept"));
    list.save(dir.path(), "elements.dat");
    list.save(dir.path(), "elements.dat");
    const QByteArray before = dir.read("elements.dat");
    list.insert(record(2, "new"));
    for (TSaveStep failing :
         {TSaveStep::Open, TSaveStep::Write, TSaveStep::Sync, TSaveStep::Link, TSaveStep::Rename}) {
        bool present = true;
        setSaveFaultHook([&](TSaveStep step, const QString &) {
            // the name is there at every step
            present = present && dir.exists("elements.dat");
            return step == failing ? ENOSPC : 0;
        });
        try {
            list.save(dir.path(), "elements.dat");
            ADD_FAILURE() << "a failed save reported success, step " << int(failing);
        } catch (const TFileError &e) {
            EXPECT_EQ(ENOSPC, e.osError());
            EXPECT_TRUE(e.isDiskFull());
        }
        setSaveFaultHook({});
        EXPECT_TRUE(present) << int(failing);
        EXPECT_EQ(before, dir.read("elements.dat")) << int(failing);
        EXPECT_FALSE(dir.exists("elements.dat.new")) << int(failing);
        TValueList back;
        EXPECT_EQ(0, back.load(dir.path(), "elements.dat"));
        EXPECT_EQ((QList<int> {1}), back.ids());
    }
}

// A list file that is gone while its ".new" or ".old" holds a list is
// named in the log, not read as an empty list without a word.
TEST_F(ValueListFile, MissingFileBesideKeptCopyIsLogged)
{
    list.insert(record(1, "a"));
    list.save(dir.path(), "elements.dat");
    list.save(dir.path(), "elements.dat");
    ASSERT_TRUE(QFile::rename(dir.file("elements.dat"), dir.file("elements.dat.new")));
    QStringList notices;
    const auto connection = QObject::connect(&TFileNotices::instance(), &TFileNotices::notice,
                                             [&](const QString &text) { notices << text; });
    LogCapture log;
    EXPECT_EQ(7, load());
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(log.contains(dir.file("elements.dat.new"))) << qPrintable(log.lines.join('\n'));
    EXPECT_TRUE(log.contains(dir.file("elements.dat.old")));
    EXPECT_TRUE(log.contains("is missing"));
    // and the user is told, once for each copy
    ASSERT_EQ(2, notices.size());
    EXPECT_TRUE(notices.at(0).contains(dir.file("elements.dat.new")));

    // nothing beside it: a missing list is no event
    LogCapture quiet;
    EXPECT_EQ(7, load("other.dat"));
    EXPECT_FALSE(quiet.contains("is missing"));
    EXPECT_EQ(2, notices.size());
    QObject::disconnect(connection);
}

// Nine bytes whose size header claims 4 GB must not make the reader
// allocate 4 GB; a claim beyond what the packed bytes can hold is corrupt.
TEST_F(ValueListFile, CompressedSizeClaimIsChecked)
{
    EnvGuard env("POS_COMPRESS", "1");
    dir.write("elements.dat", bytes({0xff, 0xff, 0xff, 0xf0, 0x78, 0x9c, 0x03, 0x00, 0xff}));
    EXPECT_EQ(304, load());
    EXPECT_TRUE(list.isEmpty());

    bool corrupt = false;
    const QByteArray packed = qCompress(testData("waiters.dat"));
    // the honest claim passes
    EXPECT_EQ(testData("waiters.dat"), uncompressIfMarked(packed + char(0xff), &corrupt));
    EXPECT_FALSE(corrupt);
    // within the bound but more than the bytes can unpack to
    QByteArray lying = packed;
    qToBigEndian<quint32>(quint32(packed.size() * MaxCompressionRatio + 1), lying.data());
    EXPECT_TRUE(uncompressIfMarked(lying + char(0xff), &corrupt).isEmpty());
    EXPECT_TRUE(corrupt);
    // zeros compress about 1000 : 1 and still load
    TValue zeros;
    zeros.setString("z", QString(200000, QChar('0')));
    dir.write("zeros.dat", qCompress(recordBytes(zeros), 9) + char(0xff));
    EXPECT_EQ(0, load("zeros.dat"));
}

// A ".dat" beyond the size limit is refused with an error naming it, not
// read whole.
TEST_F(ValueListFile, OversizedListIsRefused)
{
    dir.write("elements.dat", QByteArray(4096, '\0'));
    const qint64 limit = TFile::maxReadSize();
    TFile::setMaxReadSize(4095);
    try {
        load();
        ADD_FAILURE() << "an oversized list was read";
    } catch (const TFileError &e) {
        EXPECT_EQ(EFBIG, e.osError());
        EXPECT_EQ(dir.file("elements.dat"), e.fileName());
    }
    TFile::setMaxReadSize(limit);
}
