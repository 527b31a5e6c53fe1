#include "tcurrencies.h"
#include "testdir.h"
#include "toffdocument.h"
#include "toffworkspace.h"
#include "tvalue.h"

#include <QPointer>

#include <gtest/gtest.h>

namespace {

class OffWorkspace : public ::testing::Test
{
protected:
    void SetUp() override
    {
        data.copyData(QStringLiteral("waiters.dat"), QStringLiteral("usr/data/waiters.dat"));
    }
    TestDir data;
};

} // namespace

TEST_F(OffWorkspace, ListsComeFromUsrData)
{
    TOffWorkspace workspace(data.path());
    EXPECT_EQ(data.path(), workspace.getPath());
    Basics::TValueList *waiters = workspace.getData(QStringLiteral("waiters"));
    ASSERT_NE(nullptr, waiters);
    EXPECT_EQ(3, waiters->count());
    EXPECT_EQ(waiters, workspace.getData(QStringLiteral("waiters")));
    EXPECT_EQ(nullptr, workspace.getData(QStringLiteral("currencies")));
    EXPECT_EQ(nullptr, workspace.getData(QStringLiteral("nosuchlist")));
}

TEST_F(OffWorkspace, AListPutInPlaceIsHandedOut)
{
    TOffWorkspace workspace(data.path());
    ASSERT_EQ(nullptr, workspace.getData(QStringLiteral("sumfilters")));
    auto *filters = new Basics::TValueList;
    workspace.setData(QStringLiteral("sumfilters"), filters);
    EXPECT_EQ(filters, workspace.getData(QStringLiteral("sumfilters")));
    // until the lists are read again
    workspace.reloadData();
    EXPECT_EQ(nullptr, workspace.getData(QStringLiteral("sumfilters")));
}

TEST_F(OffWorkspace, NewPathAnnouncedAndListsReadAgain)
{
    TOffWorkspace workspace(data.path());
    ASSERT_NE(nullptr, workspace.getData(QStringLiteral("waiters")));
    QStringList announced;
    QObject::connect(&workspace, &TOffWorkspace::pathChanged,
                     [&](const QString &path) { announced << path; });
    TestDir other;
    workspace.setPath(other.path());
    EXPECT_EQ(QStringList({other.path()}), announced);
    EXPECT_EQ(nullptr, workspace.getData(QStringLiteral("waiters")));
    // The same path again is no change.
    workspace.setPath(other.path());
    EXPECT_EQ(1, announced.size());
}

TEST_F(OffWorkspace, DictionaryOwnsItsDocuments)
{
    TOffWorkspace workspace(data.path());
    QPointer<TOffDocument> first = new TOffDocument(QStringLiteral("a"), nullptr);
    QPointer<TOffDocument> second = new TOffDocument(QStringLiteral("a"), nullptr);
    QList<TOffDocument *> removing;
    QObject::connect(&workspace.documents(), &TOffDocDict::aboutToRemove,
                     [&](const QString &, TOffDocument *document) { removing << document; });
    workspace.documents().insert(QStringLiteral("a"), first);
    EXPECT_EQ(first, workspace.get(QStringLiteral("a")));
    // A second document under the key replaces (and deletes) the first.
    workspace.documents().insert(QStringLiteral("a"), second);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(1, removing.size());
    EXPECT_TRUE(workspace.documents().remove(QStringLiteral("a")));
    EXPECT_TRUE(second.isNull());
    EXPECT_FALSE(workspace.documents().remove(QStringLiteral("a")));
    EXPECT_EQ(2, removing.size());

    QPointer<TOffDocument> left = new TOffDocument(QStringLiteral("b"), nullptr);
    {
        TOffWorkspace shortLived(data.path());
        shortLived.documents().insert(QStringLiteral("b"), left);
    }
    EXPECT_TRUE(left.isNull());
}

TEST_F(OffWorkspace, PricesInTheSystemCurrency)
{
    TOffWorkspace plain(data.path());
    TOffDocument document(QStringLiteral("d"), nullptr);
    // Without a window (and so without currencies) amounts keep two decimals.
    EXPECT_EQ(QStringLiteral("12.50"), document.formatPrice(1250));
    EXPECT_EQ(QStringLiteral("-0.05"), document.formatPrice(-5));
    EXPECT_EQ(QString(), document.getCurrBez());
}
