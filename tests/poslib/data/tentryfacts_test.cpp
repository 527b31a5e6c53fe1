#include "tentryfacts.h"
#include "testrecords.h"
#include "trecordcodec.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <deque>

using namespace PosLib;
using Basics::TRawString;

// The fields found by their places are those a lookup by name finds, over
// records whose layouts change under the same number of fields (more of
// them than are kept per number), with names the reports do not read,
// names too long to be kept, null names, a name twice, and more fields
// than any layout holds.
TEST(FieldOrder, FindsWhatTheLookupFinds)
{
    QList<QByteArray> names;
    for (int f = 0; f < FieldCount; ++f)
        names << fileText(fieldName(TField(f)));
    for (const char *other : {"tmp", "teams", "netcardproperties", "zcount", "x"})
        names << fileText(QString::fromLatin1(other));
    // 26 characters: longer than a kept name
    names << fileText(QStringLiteral("averyveryverylongfieldname"));
    // the same length as "waiter" and its first and last characters
    names << fileText(QStringLiteral("wxxxxr"));

    QRandomGenerator random(28);
    // a few layouts per number of fields, taken in turn and at random
    QList<QList<int>> layouts;
    for (int l = 0; l < 40; ++l) {
        QList<int> layout;
        const int count = l < 20 ? 6 + l % 3 : int(random.bounded(70));
        for (int i = 0; i < count; ++i)
            layout << int(random.bounded(int(names.size()) + 1)) - 1; // -1: a null name
        layouts << layout;
    }
    TFieldOrder order;
    int found = 0;
    for (int r = 0; r < 5000; ++r) {
        const QList<int> &layout = layouts.at(r % 7 == 0 ? int(random.bounded(40)) : r % 20);
        // the bytes of this record's names, fresh for each record
        std::deque<QByteArray> bytes;
        order.begin(quint32(layout.size()));
        for (qsizetype i = 0; i < layout.size(); ++i) {
            TRawString name;
            if (layout.at(i) >= 0) {
                bytes.push_back(names.at(layout.at(i)));
                name.data = reinterpret_cast<const uchar *>(bytes.back().constData());
                name.size = qint32(bytes.back().size());
            }
            TField expected = FieldCount;
            TField got = FieldCount;
            const bool known = fieldOf(name, expected);
            ASSERT_EQ(known, order.find(quint32(i), name, got)) << "record " << r << " field " << i;
            if (known) {
                ASSERT_EQ(expected, got) << "record " << r << " field " << i;
                ++found;
            }
        }
    }
    EXPECT_GT(found, 10000);
}
