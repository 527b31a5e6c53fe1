#include "tentryfacts.h"
#include "testrecords.h"
#include "treporderleaves.h"
#include "treppayleaves.h"
#include "ttable.h"
#include "ttablefacts.h"
#include "tvalue.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

using namespace PosLib;
using Basics::TRawString;
using Basics::TValue;

// A leaf kept by the day groups from one day to the next is filled again by
// the day's first entry of its key, setting only the texts that changed
// since the day before (TKeptFill). Whatever the days before held, it must
// hold what a leaf made by that entry holds: texts that change, come and go,
// the same text from a file and from a record in memory, and none of the
// sums the day before wrote into its record.

namespace {

// The fields of an entry, as a file or a record in memory gives them.
class Entry
{
public:
    using Fields = std::vector<std::pair<TField, const char *>>;

    Entry(const Fields &fields, bool inMemory)
    {
        if (inMemory) {
            for (const auto &[field, text] : fields)
                m_record.setString(fieldName(field), QString::fromLatin1(text));
            m_facts.takeRecord(m_record);
        } else {
            for (const auto &[field, text] : fields) {
                m_texts.push_back(fileText(QString::fromLatin1(text)));
                const QByteArray &bytes = m_texts.back();
                m_facts.take(field, TRawString {reinterpret_cast<const uchar *>(bytes.constData()),
                                                qint32(bytes.size())});
            }
        }
        m_facts.finish();
    }
    Entry(const Entry &) = delete;
    Entry &operator=(const Entry &) = delete;
    const TEntryFacts &facts() const { return m_facts; }

private:
    std::deque<QByteArray> m_texts;
    TValue m_record;
    TEntryFacts m_facts;
};

std::string fieldsOf(const TReportLeaf &leaf)
{
    std::string out;
    const TValue::Fields &fields = leaf.fields();
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        out += it.key().toStdString() + "=" + std::to_string(it.value().type) + ":"
               + it.value().text.toStdString() + "; ";
    return out;
}

// What a day leaves in a leaf besides its fields: sums written into its record.
void addDay(TReportLeaf &leaf)
{
    leaf.add(2, 350);
    leaf.addSum(SumTip, 40);
    leaf.addDoubleSum(SumNet, 12.5);
    (void)leaf.record();
}

} // namespace

TEST(KeptFill, RefilledArticleHoldsWhatANewArticleHolds)
{
    const std::vector<std::pair<Entry::Fields, bool>> days = {
            {{{FArticle, "12"}, {FArtShort, "Beer"}, {FIsControl, "1"}, {FPrice, "350"}}, false},
            // the same texts
            {{{FArticle, "12"}, {FArtShort, "Beer"}, {FIsControl, "1"}, {FPrice, "350"}}, false},
            // a text and the price change
            {{{FArticle, "12"}, {FArtShort, "Ale"}, {FIsControl, "1"}, {FPrice, "420"}}, false},
            // a text as long
            {{{FArticle, "12"}, {FArtShort, "Alf"}, {FIsControl, "1"}, {FPrice, "420"}}, false},
            // fields gone, and back, one empty
            {{{FArticle, "12"}, {FPrice, "420"}}, false},
            {{{FArticle, "12"}, {FPrice, "420"}}, false},
            {{{FArticle, "12"}, {FArtShort, ""}, {FIsControl, "1"}, {FPrice, "420"}}, false},
            {{{FArticle, "12"}, {FArtShort, "Alf"}, {FIsControl, "1"}, {FPrice, "420"}}, false},
            // the same texts from a record in memory, then from a file again
            {{{FArticle, "12"}, {FArtShort, "Alf"}, {FIsControl, "1"}, {FPrice, "420"}}, true},
            {{{FArticle, "12"}, {FArtShort, "Alf"}, {FPrice, "420"}}, true},
            {{{FArticle, "12"}, {FArtShort, "Alf"}, {FIsControl, "1"}, {FPrice, "420"}}, false},
            {{{FArticle, "12"}, {FArtShort, "Alf"}, {FIsControl, "1"}, {FPrice, "420"}}, false},
    };
    TRepArticle kept;
    int n = 0;
    for (const auto &[fields, inMemory] : days) {
        SCOPED_TRACE(n++);
        const Entry entry(fields, inMemory);
        kept.refill(entry.facts());
        const TRepArticle made(entry.facts());
        EXPECT_EQ(fieldsOf(made), fieldsOf(kept));
        addDay(kept);
    }
}

// The same for pay forms, which also take values of their table (none for
// a pay given without one), and whose currency fields are named after the
// pay's own currency also where they come from the currency of the change.
TEST(KeptFill, RefilledPayformHoldsWhatANewPayformHolds)
{
    const std::vector<Entry::Fields> days = {
            {{FPayform, "3"},
             {FPayformName, "Card"},
             {FWaiter, "7"},
             {FCurr, "1"},
             {FCurrName, "Lek"},
             {FRetCurr, "2"},
             {FRetCurrName, "Euro"},
             {FRetCurrRate, "1.1"}},
            {{FPayform, "3"},
             {FPayformName, "Card"},
             {FWaiter, "8"},
             {FCurr, "1"},
             {FCurrName, "Lev"},
             {FRetCurr, "2"},
             {FRetCurrName, "Euro"},
             {FRetCurrRate, "1.2"}},
            // no currencies
            {{FPayform, "3"}, {FPayformName, "Card"}, {FWaiter, "8"}},
            {{FPayform, "3"},
             {FPayformName, "Card"},
             {FWaiter, "8"},
             {FRetCurr, "4"},
             {FRetCurrName, "Pound"}},
            {{FPayform, "3"},
             {FPayformName, "Card"},
             {FWaiter, "8"},
             {FRetCurr, "4"},
             {FRetCurrName, "Pound"}},
            {{FPayform, "3"},
             {FPayformName, "Card"},
             {FWaiter, "8"},
             {FRetCurr, "4"},
             {FRetCurrName, "Pound"}},
    };
    // the table of each day: none on the fourth
    const std::vector<int> bills = {101, 102, 102, 0, 104, 105};
    for (const bool returnMode : {false, true}) {
        SCOPED_TRACE(returnMode);
        TRepPayform kept(returnMode);
        for (size_t n = 0; n < days.size(); ++n) {
            SCOPED_TRACE(n);
            const Entry entry(days[n], false);
            TTable table(nullptr);
            table.setVatOh(n % 2 == 0);
            table.setInSum(n < 2);
            table.setInt(fieldName(FBillNum), bills[n]);
            TTableFacts facts;
            if (bills[n] != 0)
                facts.take(table);
            kept.refill(entry.facts(), facts);
            const TRepPayform made(entry.facts(), facts, returnMode);
            EXPECT_EQ(fieldsOf(made), fieldsOf(kept));
            addDay(kept);
        }
    }
}
