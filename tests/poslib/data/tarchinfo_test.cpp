#include "tarchinfo.h"

#include "testdir.h"
#include "tlog.h"
#include "trecordcodec.h"
#include "ttable.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <utime.h>

using Basics::TValue;
using PosLib::TArchInfo;
using PosLib::TArchInfos;
using PosLib::TTable;

namespace {

const char Etx = 0x03;

// One index line from its 13 fields.
QByteArray line(const QStringList &fields)
{
    return fields.join(QChar(Etx)).toUtf8() + '\n';
}

QByteArray line(const QString &ad, const QString &fn, const QString &terminal)
{
    return line({ad, fn, terminal, QStringLiteral("Bar"), QStringLiteral("2"),
                 QStringLiteral("Terrace"), QStringLiteral("1"), QStringLiteral("Anna"),
                 QStringLiteral("7"), QStringLiteral("2"), fn.mid(1), QStringLiteral("4711"),
                 QStringLiteral("1150")});
}

// An archived table: header, creation record on terminal `terminal`, an
// order and (when `archived` is valid) an archiving entry at that time.
QByteArray archivedTable(long archive, int terminal, const QDateTime &archived, bool nulled = false)
{
    TValue head;
    head.setInt(QStringLiteral("table"), 30 + archive);
    head.setInt(QStringLiteral("party"), 1);
    head.setInt(QStringLiteral("archive"), archive);
    head.setInt(QStringLiteral("billnum"), 100 + archive);
    head.setDouble(QStringLiteral("maxamount"), 1234.6);
    if (nulled)
        head.setBool(QStringLiteral("nulled"), true);
    TValue create;
    create.setInt(QStringLiteral("type"), PosLib::EntryCreate);
    create.setInt(QStringLiteral("terminal"), terminal);
    create.setString(QStringLiteral("termname"), QStringLiteral("Bar"));
    create.setInt(QStringLiteral("center"), 2);
    create.setString(QStringLiteral("centername"), QStringLiteral("Terrace"));
    create.setInt(QStringLiteral("waiter"), 1);
    create.setString(QStringLiteral("waitername"), QStringLiteral("Anna"));
    QByteArray data;
    Basics::appendRecord(data, head);
    Basics::appendRecord(data, create);
    int id = 1;
    auto entry = [&](int type, const QDateTime &when) {
        TValue e;
        e.setId(id++);
        e.setInt(QStringLiteral("type"), type);
        e.setDate(QStringLiteral("date"), when.date());
        e.setTime(QStringLiteral("time"), when.time());
        Basics::appendRecord(data, e);
    };
    entry(PosLib::EntryOrder, QDateTime(QDate(2014, 3, 5), QTime(19, 0)));
    if (archived.isValid()) {
        entry(PosLib::EntryArchive, archived);
        entry(PosLib::EntryArchive, archived.addSecs(600));
    }
    return data;
}

QDateTime at(int hour, int minute)
{
    return QDateTime(QDate(2014, 3, 5), QTime(hour, minute));
}

void setModified(const QString &path, const QDateTime &time)
{
    const qint64 seconds = time.toSecsSinceEpoch();
    const struct utimbuf times = {time_t(seconds), time_t(seconds)};
    ASSERT_EQ(0, utime(QFile::encodeName(path).constData(), &times));
}

class ArchInfoTest : public ::testing::Test
{
protected:
    QString root() const { return dir.path(); }
    QString indexPath() const { return dir.file(QStringLiteral("var/.archives")); }
    void writeIndex(const QByteArray &data) { dir.write(QStringLiteral("var/.archives"), data); }
    QByteArray index() const { return dir.read(QStringLiteral("var/.archives")); }

    // "fn" of every record, in index order.
    static QStringList order(const TArchInfos &infos)
    {
        QStringList out;
        for (TArchInfo *i : infos.records())
            out << i->getString(QStringLiteral("fn"));
        return out;
    }

    TestDir dir;
};

} // namespace

TEST_F(ArchInfoTest, IndexLivesDirectlyInVar)
{
    TArchInfos infos(root());
    EXPECT_EQ(indexPath(), infos.filePath());
    EXPECT_EQ(0, infos.count());
}

TEST_F(ArchInfoTest, AddTakesFieldsFromHeaderCreationAndFirstArchiving)
{
    dir.write(QStringLiteral("var/archives/a15"), archivedTable(15, 3, at(20, 5)));
    TTable table(15, nullptr, root());
    ASSERT_EQ(0, table.load(table.filePath()));

    TArchInfos infos(root());
    const TArchInfo *info = infos.add(&table);
    EXPECT_EQ(QStringList({QStringLiteral("2014-03-05T20:05:00"), QStringLiteral("a15"),
                           QStringLiteral("3"), QStringLiteral("Bar"), QStringLiteral("2"),
                           QStringLiteral("Terrace"), QStringLiteral("1"), QStringLiteral("Anna"),
                           QStringLiteral("45"), QStringLiteral("1"), QStringLiteral("15"),
                           QStringLiteral("115"), QStringLiteral("1234")}),
              info->toLine().split(QChar(Etx)));
    EXPECT_EQ(info, infos.find(QStringLiteral("a15")));
    EXPECT_EQ(QStringLiteral("2014-03-05T20:05:003"), info->sortKey());

    // a table without archiving entry has an empty "ad"
    dir.write(QStringLiteral("var/archives/a16"), archivedTable(16, 3, QDateTime()));
    TTable open(16, nullptr, root());
    ASSERT_EQ(0, open.load(open.filePath()));
    EXPECT_EQ(QString(), infos.add(&open)->getString(QStringLiteral("ad")));
}

TEST_F(ArchInfoTest, SaveWritesEtxLinesInArchivingOrderAndLoadReadsThemBack)
{
    writeIndex(
            line(QStringLiteral("2014-03-05T21:00:00"), QStringLiteral("a3"), QStringLiteral("1"))
            + line(QStringLiteral("2014-03-05T20:00:00"), QStringLiteral("a9"), QStringLiteral("2"))
            + line(QStringLiteral("2014-03-05T20:00:00"), QStringLiteral("a4"),
                   QStringLiteral("1")));
    {
        TArchInfos infos(root());
        EXPECT_EQ(3, infos.count());
        EXPECT_EQ(QStringList({QStringLiteral("a4"), QStringLiteral("a9"), QStringLiteral("a3")}),
                  order(infos));
        infos.save();
    }
    const QByteArray expected
            = line(QStringLiteral("2014-03-05T20:00:00"), QStringLiteral("a4"), QStringLiteral("1"))
              + line(QStringLiteral("2014-03-05T20:00:00"), QStringLiteral("a9"),
                     QStringLiteral("2"))
              + line(QStringLiteral("2014-03-05T21:00:00"), QStringLiteral("a3"),
                     QStringLiteral("1"));
    EXPECT_EQ(expected, index());

    TArchInfos back(root());
    ASSERT_EQ(3, back.count());
    const TArchInfo *a9 = back.find(QStringLiteral("a9"));
    ASSERT_NE(nullptr, a9);
    EXPECT_EQ(QStringLiteral("Anna"), a9->getString(QStringLiteral("waitername")));
    EXPECT_EQ(QStringLiteral("9"), a9->getString(QStringLiteral("archive")));
    EXPECT_EQ(QStringLiteral("1150"), a9->getString(QStringLiteral("maxamount")));
}

TEST_F(ArchInfoTest, SameArchivingKeyKeepsBothTables)
{
    writeIndex(line(QString(), QStringLiteral("a3"), QStringLiteral("1"))
               + line(QString(), QStringLiteral("a4"), QStringLiteral("1")));
    TArchInfos infos(root());
    infos.save();
    TArchInfos back(root());
    EXPECT_EQ(2, back.count());
}

TEST_F(ArchInfoTest, ShortLinesLeaveMissingFieldsEmpty)
{
    writeIndex(
            line({QStringLiteral("2014-03-05T20:00:00"), QStringLiteral("a7"), QStringLiteral("3")})
            + "\n");
    TArchInfos infos(root());
    ASSERT_EQ(1, infos.count());
    const TArchInfo *info = infos.find(QStringLiteral("a7"));
    ASSERT_NE(nullptr, info);
    EXPECT_EQ(QStringLiteral("3"), info->getString(QStringLiteral("terminal")));
    EXPECT_TRUE(info->has(QStringLiteral("maxamount")));
    EXPECT_EQ(QString(), info->getString(QStringLiteral("maxamount")));
    EXPECT_EQ(QString(), info->getString(QStringLiteral("termname")));
}

TEST_F(ArchInfoTest, SecondLineOfTheSameTableIsDropped)
{
    writeIndex(
            line(QStringLiteral("2014-03-05T20:00:00"), QStringLiteral("a7"), QStringLiteral("3"))
            + line(QStringLiteral("2014-03-05T22:00:00"), QStringLiteral("a7"),
                   QStringLiteral("4")));
    TArchInfos infos(root());
    ASSERT_EQ(1, infos.count());
    EXPECT_EQ(QStringLiteral("3"),
              infos.find(QStringLiteral("a7"))->getString(QStringLiteral("terminal")));
    EXPECT_EQ(1, infos.records().size());
}

TEST_F(ArchInfoTest, LoadFromOffsetMergesAppendedLines)
{
    const QByteArray first = line(QStringLiteral("2014-03-05T20:00:00"), QStringLiteral("a7"),
                                  QStringLiteral("3"));
    writeIndex(first);
    TArchInfos infos(root());
    ASSERT_EQ(1, infos.count());

    // a terminal appends two more tables, one of them known already
    QFile file(indexPath());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(
            line(QStringLiteral("2014-03-05T19:00:00"), QStringLiteral("a8"), QStringLiteral("1"))
            + line(QStringLiteral("2014-03-05T23:00:00"), QStringLiteral("a7"),
                   QStringLiteral("9")));
    file.close();

    infos.load(first.size());
    EXPECT_EQ(2, infos.count());
    EXPECT_EQ(QStringList({QStringLiteral("a8"), QStringLiteral("a7")}), order(infos));
    EXPECT_EQ(QStringLiteral("3"),
              infos.find(QStringLiteral("a7"))->getString(QStringLiteral("terminal")));
}

TEST_F(ArchInfoTest, RebuildIndexesTheArchivesWithoutNulledTables)
{
    dir.write(QStringLiteral("var/archives/a15"), archivedTable(15, 3, at(21, 0)));
    dir.write(QStringLiteral("var/archives/a16"), archivedTable(16, 3, at(20, 0), true));
    dir.write(QStringLiteral("var/archives/a17"), archivedTable(17, 1, at(20, 0)));
    // a line of a table that is no longer in the archives
    writeIndex(
            line(QStringLiteral("2014-03-05T18:00:00"), QStringLiteral("a2"), QStringLiteral("1")));
    setModified(indexPath(), at(18, 0));

    TArchInfos infos(root());
    ASSERT_EQ(1, infos.count());
    infos.rebuild();

    EXPECT_EQ(QStringList({QStringLiteral("a17"), QStringLiteral("a15")}), order(infos));
    EXPECT_EQ(nullptr, infos.find(QStringLiteral("a16")));
    TArchInfos back(root());
    EXPECT_EQ(QStringList({QStringLiteral("a17"), QStringLiteral("a15")}), order(back));
    EXPECT_TRUE(index().endsWith('\n'));
    EXPECT_EQ(2, index().count('\n'));
}

TEST_F(ArchInfoTest, RebuildMergesLinesAppendedMeanwhile)
{
    dir.write(QStringLiteral("var/archives/a15"), archivedTable(15, 3, at(21, 0)));
    // names archive 20, whose file is missing: reading it fails and is
    // logged, which gives this test its moment inside the rebuild
    dir.write(QStringLiteral("var/archives/a20.bak"), "");
    const QByteArray before = line(QStringLiteral("2014-03-05T18:00:00"), QStringLiteral("a2"),
                                   QStringLiteral("1"));
    writeIndex(before);
    setModified(indexPath(), at(18, 0));

    Basics::TLog &log = Basics::TLog::instance();
    const int level = log.level();
    log.setLevel(Basics::TLog::All);
    bool appended = false;
    const QMetaObject::Connection connection
            = QObject::connect(&log, &Basics::TLog::logged, [&](int, const QString &text) {
                  if (appended || !text.contains(QStringLiteral("archives/a20")))
                      return;
                  appended = true;
                  QFile file(indexPath());
                  ASSERT_TRUE(file.open(QIODevice::Append));
                  file.write(line(QStringLiteral("2014-03-05T22:00:00"), QStringLiteral("a21"),
                                  QStringLiteral("4"))
                             + line(QStringLiteral("2014-03-05T22:30:00"), QStringLiteral("a15"),
                                    QStringLiteral("9")));
                  file.close();
                  setModified(indexPath(), at(22, 0));
              });

    TArchInfos infos(root());
    infos.rebuild();
    QObject::disconnect(connection);
    log.setLevel(level);

    ASSERT_TRUE(appended);
    // a2 was in the index before the rebuild and is gone; a21 came meanwhile
    EXPECT_EQ(QStringList({QStringLiteral("a15"), QStringLiteral("a21")}), order(infos));
    EXPECT_EQ(QStringLiteral("3"),
              infos.find(QStringLiteral("a15"))->getString(QStringLiteral("terminal")));
    TArchInfos back(root());
    EXPECT_EQ(2, back.count());
}
