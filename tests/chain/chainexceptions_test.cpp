#include "chainserver.h"

#include "testdir.h"
#include "tsettings.h"
#include "veltrumprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString First = QStringLiteral("2026-12-02");
const QString Last = QStringLiteral("2026-12-04");
const QString Now = QStringLiteral("2026-12-06T09:00:00");

// The figures of every group of a side, keyed by outlet and number.
QMap<QPair<int, int>, QJsonObject> groupsOf(const QJsonObject &data, const QString &side)
{
    QMap<QPair<int, int>, QJsonObject> groups;
    for (const QJsonValue &g :
         data.value(side).toObject().value(QStringLiteral("groups")).toArray()) {
        const QJsonObject group = g.toObject();
        groups.insert(qMakePair(group.value(QStringLiteral("outlet")).toInt(),
                                group.value(QStringLiteral("number")).toInt()),
                      group);
    }
    return groups;
}

class ChainExceptionsTest : public ChainServerTest
{
protected:
    // A demo installation of three closed days under office `office`, sent
    // to the test's database.
    QString outlet(int office)
    {
        const QString root = dir.file(QStringLiteral("outlet%1").arg(office));
        const Outcome demo
                = veltrum({QStringLiteral("demo"), root, QStringLiteral("--days"),
                           QStringLiteral("3"), QStringLiteral("--tables"), QStringLiteral("24"),
                           QStringLiteral("--seed"), QString::number(office * 7),
                           QStringLiteral("--today"), QStringLiteral("2026-12-05")});
        EXPECT_EQ(0, demo.code) << demo.err;
        PosLib::TSettings settings;
        const QString data = root + QStringLiteral("/usr/data/");
        settings.load(data, settings.fileName());
        if (Basics::TValue *record = settings.installation()) {
            record->setInt(QStringLiteral("officeid"), office);
            record->setString(QStringLiteral("installationname"),
                              QStringLiteral("Outlet %1").arg(office));
            settings.save(data, settings.fileName());
        }
        const Outcome pushed
                = veltrum({QStringLiteral("chain"), QStringLiteral("push"),
                           QStringLiteral("--data"), root, QStringLiteral("--db"), urlText(),
                           QStringLiteral("--from"), First, QStringLiteral("--to"), Last});
        EXPECT_EQ(0, pushed.code) << pushed.err;
        return root;
    }

    TestDir dir;
};

} // namespace

TEST_F(ChainExceptionsTest, EachOutletsWaitersAreTheirOwnWithTheLocalFigures)
{
    ASSERT_EQ(0, veltrum({QStringLiteral("chain"), QStringLiteral("init"), QStringLiteral("--db"),
                          urlText()})
                         .code);
    const QString root1 = outlet(1);
    outlet(4);

    const QStringList range {QStringLiteral("--from"),    First,
                             QStringLiteral("--to"),      Last,
                             QStringLiteral("--now"),     Now,
                             QStringLiteral("--format"),  QStringLiteral("json"),
                             QStringLiteral("--entries"), QStringLiteral("all")};
    const Outcome chain
            = veltrum(QStringList {QStringLiteral("chain"), QStringLiteral("exceptions"),
                                   QStringLiteral("--db"), urlText()}
                      + range);
    ASSERT_EQ(0, chain.code) << chain.err;
    const QJsonObject all = QJsonDocument::fromJson(chain.out.toUtf8()).object();
    EXPECT_EQ(QJsonArray({1, 4}), all.value(QStringLiteral("outlets")).toArray());

    const Outcome local = veltrum(
            QStringList {QStringLiteral("exceptions"), QStringLiteral("--data"), root1} + range);
    ASSERT_EQ(0, local.code) << local.err;
    const QJsonObject own = QJsonDocument::fromJson(local.out.toUtf8()).object();

    // outlet 1's groups in the chain are its own groups, figure by figure
    const auto chainWaiters = groupsOf(all, QStringLiteral("waiters"));
    const auto ownWaiters = groupsOf(own, QStringLiteral("waiters"));
    ASSERT_FALSE(ownWaiters.isEmpty());
    int outlet4 = 0;
    for (auto it = chainWaiters.cbegin(); it != chainWaiters.cend(); ++it)
        outlet4 += it.key().first == 4 ? 1 : 0;
    EXPECT_GT(outlet4, 0);
    for (auto it = ownWaiters.cbegin(); it != ownWaiters.cend(); ++it) {
        const QJsonObject in = chainWaiters.value(qMakePair(1, it.key().second));
        ASSERT_FALSE(in.isEmpty()) << it.key().second;
        for (const char *key : {"takings", "bills"})
            EXPECT_EQ(it->value(QLatin1String(key)), in.value(QLatin1String(key)))
                    << key << " of " << it.key().second;
        const QJsonObject mine = it->value(QStringLiteral("figures")).toObject();
        const QJsonObject theirs = in.value(QStringLiteral("figures")).toObject();
        for (const QString &kind : mine.keys()) {
            for (const char *key : {"count", "amount"})
                EXPECT_EQ(mine.value(kind).toObject().value(QLatin1String(key)),
                          theirs.value(kind).toObject().value(QLatin1String(key)))
                        << kind.toStdString() << " " << key << " of " << it.key().second;
        }
    }
    // every entry names its outlet
    int entries1 = 0;
    for (const QJsonValue &e : all.value(QStringLiteral("entries")).toArray()) {
        const int office = e.toObject().value(QStringLiteral("outlet")).toInt();
        EXPECT_TRUE(office == 1 || office == 4);
        entries1 += office == 1 ? 1 : 0;
    }
    EXPECT_EQ(own.value(QStringLiteral("entries")).toArray().size(), entries1);

    const Outcome text = veltrum({QStringLiteral("chain"), QStringLiteral("exceptions"),
                                  QStringLiteral("--db"), urlText(), QStringLiteral("--from"),
                                  First, QStringLiteral("--outlets"), QStringLiteral("4"),
                                  QStringLiteral("--now"), Now});
    ASSERT_EQ(0, text.code) << text.err;
    EXPECT_TRUE(text.out.contains(QStringLiteral("Outlets 4"))) << text.out;
    EXPECT_TRUE(text.out.contains(QStringLiteral("Outlet 4 / "))) << text.out;
    EXPECT_FALSE(text.out.contains(QStringLiteral("Outlet 1 / "))) << text.out;
}

TEST_F(ChainExceptionsTest, WrongArgumentsAndNoServer)
{
    EXPECT_EQ(2, veltrum({QStringLiteral("chain"), QStringLiteral("exceptions"),
                          QStringLiteral("--db"), urlText()})
                         .code);
    const Outcome dead
            = veltrum({QStringLiteral("chain"), QStringLiteral("exceptions"),
                       QStringLiteral("--db"), deadUrlText(), QStringLiteral("--from"), First});
    EXPECT_EQ(1, dead.code);
    EXPECT_TRUE(dead.err.contains(QStringLiteral("cannot connect"))) << dead.err;
    ASSERT_EQ(0, veltrum({QStringLiteral("chain"), QStringLiteral("init"), QStringLiteral("--db"),
                          urlText()})
                         .code);
    const Outcome none
            = veltrum({QStringLiteral("chain"), QStringLiteral("exceptions"),
                       QStringLiteral("--db"), urlText(), QStringLiteral("--from"), First});
    EXPECT_EQ(1, none.code);
    EXPECT_TRUE(none.err.contains(QStringLiteral("no outlet has sent a day yet"))) << none.err;
}
