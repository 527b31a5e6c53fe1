// A pay's currency known by the bytes its fields have in the file: pays
// whose currency fields differ in a single byte are currencies of their own.

#include "tcurrencytally.h"
#include "tentryfacts.h"
#include "ttablefacts.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

using namespace PosLib;

namespace {

// Pays as read from a file: each field's text as the file holds it
// (UTF-16, most significant byte first).
class FilePays
{
public:
    struct Field
    {
        TField field;
        QString text; // null: a null text in the file
    };
    // A pay with the given fields; the others it has not.
    const TEntryFacts &pay(const std::vector<Field> &fields)
    {
        m_facts.emplace_back();
        TEntryFacts &facts = m_facts.back();
        for (const Field &f : fields) {
            Basics::TRawString raw;
            if (!f.text.isNull()) {
                QByteArray &bytes = m_bytes.emplace_back();
                for (QChar c : f.text) {
                    bytes.append(char(c.unicode() >> 8));
                    bytes.append(char(c.unicode() & 0xff));
                }
                raw.data = reinterpret_cast<const uchar *>(bytes.constData());
                raw.size = qint32(bytes.size());
            }
            facts.take(f.field, raw);
        }
        facts.finish();
        return facts;
    }

private:
    std::deque<TEntryFacts> m_facts;
    std::deque<QByteArray> m_bytes;
};

// The first pay of currency 1 after a pay keyed "2" and then one keyed
// "1", in these fields each.
TCurrencySums::Pay firstOfTwo(const std::vector<FilePays::Field> &second,
                              const std::vector<FilePays::Field> &first)
{
    FilePays pays;
    TTextPool texts;
    TCurrencyTally tally(texts, false);
    const TTableFacts noTable;
    TPayValues values;
    values.given = 100;
    tally.count(pays.pay(second), noTable, 2, values);
    tally.count(pays.pay(first), noTable, 1, values);
    EXPECT_EQ(QList<int>({1}), tally.sums().keys());
    EXPECT_EQ(200, tally.sums().value(1).given);
    return tally.sums().value(1).first;
}

} // namespace

TEST(CurrencyTally, NamesThatDifferInOneCharacterAreTold)
{
    // names of 1 to 12 characters, told apart at every place
    for (int length = 1; length <= 12; ++length) {
        for (int at = 0; at < length; ++at) {
            const QString a(length, QLatin1Char('E'));
            QString b = a;
            b[at] = QLatin1Char('F');
            const TCurrencySums::Pay first
                    = firstOfTwo({{FCurr, QStringLiteral("1")}, {FCurrName, a}},
                                 {{FCurr, QStringLiteral("1")}, {FCurrName, b}});
            EXPECT_EQ(1, first.number);
            EXPECT_EQ(b, first.name) << length << " " << at;
        }
    }
}

// What the pay keyed "1" makes the first pay of its currency when it is the
// only pay.
TCurrencySums::Pay firstAlone(const std::vector<FilePays::Field> &fields)
{
    FilePays pays;
    TTextPool texts;
    TCurrencyTally tally(texts, false);
    const TTableFacts noTable;
    tally.count(pays.pay(fields), noTable, 1, TPayValues());
    return tally.sums().value(1).first;
}

void expectSame(const TCurrencySums::Pay &a, const TCurrencySums::Pay &b)
{
    EXPECT_EQ(a.number, b.number);
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.name.isNull(), b.name.isNull());
    EXPECT_EQ(a.shortName, b.shortName);
    EXPECT_EQ(a.shortName.isNull(), b.shortName.isNull());
    EXPECT_EQ(a.hasDecPos, b.hasDecPos);
    EXPECT_EQ(a.decPos, b.decPos);
}

TEST(CurrencyTally, ShortNamesDecimalsAndMissingFieldsAreTold)
{
    using Fields = std::vector<FilePays::Field>;
    const FilePays::Field curr {FCurr, QStringLiteral("1")};
    const std::vector<std::pair<Fields, Fields>> cases = {
            {{curr, {FCurrShort, QStringLiteral("EUR")}},
             {curr, {FCurrShort, QStringLiteral("EUS")}}},
            {{curr, {FCurrDecPos, QStringLiteral("2")}},
             {curr, {FCurrDecPos, QStringLiteral("3")}}},
            {{curr, {FCurrDecPos, QStringLiteral("2")}}, {curr}},
            // an empty name, a null one and none
            {{curr}, {curr, {FCurrName, QStringLiteral("")}}},
            {{curr, {FCurrName, QStringLiteral("")}}, {curr, {FCurrName, QString()}}},
            {{curr, {FCurrName, QString()}}, {curr}},
            // the bytes of the name moved into the short name
            {{curr, {FCurrName, QStringLiteral("EU")}, {FCurrShort, QStringLiteral("R")}},
             {curr, {FCurrName, QStringLiteral("E")}, {FCurrShort, QStringLiteral("UR")}}},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        expectSame(firstAlone(cases[i].second), firstOfTwo(cases[i].first, cases[i].second));
    }
}
