#include "tvalue.h"
#include "tvaluefixture.h"

#include <QDomDocument>
#include <QTextStream>

#include <gtest/gtest.h>

using namespace Basics;
using namespace ValueTest;

namespace {

class SettingsList : public TValueList
{
public:
    QString listName() const override { return QStringLiteral("settings"); }
};

QDomElement parseXml(QDomDocument &doc, const QString &xml)
{
    EXPECT_TRUE(doc.setContent(xml)) << qPrintable(xml);
    return doc.documentElement();
}

} // namespace

// ---- XML ------------------------------------------------------------------

TEST(ValueListXml, DeleteFirstReplacesList)
{
    TValueList list;
    list.insert(record(1, "old one"));
    list.insert(record(2, "old two"));
    Recorder rec(list);

    QDomDocument doc;
    list.importXml(parseXml(doc, "<elements><_delete_/>"
                                 "<element><id>7</id><name>Seven</name></element>"
                                 "<element><id>8</id><name>Eight</name></element>"
                                 "</elements>"));
    EXPECT_EQ((QList<int> {7, 8}), list.ids());
    EXPECT_EQ("Seven", list.find(7)->name());
    EXPECT_EQ(TypeText, list.find(7)->get("id").type);
    EXPECT_EQ((QList<int> {3}), rec.importCount);
    EXPECT_EQ((QList<int> {1, 2}), rec.importSteps);
}

TEST(ValueListXml, MergesRemovesAppendsAndInserts)
{
    TValueList list;
    TValue *first = record(1, "Anna");
    first->setString("teams", "1;3");
    list.insert(first);
    list.insert(record(2, "Bruno"));
    list.insert(record(5, "Carla"));
    Recorder rec(list);

    QDomDocument doc;
    list.importXml(parseXml(doc, "<elements>"
                                 "<element><id>1</id><name>Anne</name><note>n</note></element>"
                                 "<element><_delete_/><id>2</id></element>"
                                 "<element><name>New</name></element>"
                                 "<element><id>20</id><name>Twenty</name></element>"
                                 "</elements>"));

    // id 1 merged in place: overwritten and added fields, others stay
    EXPECT_EQ(first, list.find(1));
    EXPECT_EQ("Anne", first->name());
    EXPECT_EQ("n", first->getString("note"));
    EXPECT_EQ("1;3", first->getString("teams"));
    ASSERT_EQ(1, rec.changed.size());
    EXPECT_EQ(first, rec.changed.at(0));
    // id 2 removed
    EXPECT_EQ(nullptr, list.find(2));
    EXPECT_EQ(1, rec.removed.size());
    // no id: appended after the highest id of the time (5)
    ASSERT_NE(nullptr, list.find(6));
    EXPECT_EQ("New", list.find(6)->name());
    // unknown id: inserted as it is
    ASSERT_NE(nullptr, list.find(20));
    EXPECT_EQ(21, list.nextId());
    EXPECT_EQ((QList<int> {1, 5, 6, 20}), list.ids());
    EXPECT_EQ((QList<int> {1, 2, 3, 4}), rec.importSteps);
}

TEST(ValueListXml, SettingsElementMergesIntoRecord)
{
    SettingsList list;
    TValue *settings = record(1, "Main outlet");
    settings->setString("currency", "EUR");
    list.insert(settings);
    Recorder rec(list);

    QDomDocument doc;
    list.importXml(parseXml(doc, "<Settings><setting><id>1</id><name>Outlet</name>"
                                 "<dayStart>04:00</dayStart></setting></Settings>"));
    ASSERT_EQ(1, list.count());
    EXPECT_EQ(settings, list.find(1));
    EXPECT_EQ("Outlet", settings->name());
    EXPECT_EQ("EUR", settings->getString("currency"));
    EXPECT_EQ("04:00", settings->getString("dayStart"));
    EXPECT_EQ(1, rec.changed.size());
    EXPECT_TRUE(rec.inserted.isEmpty());
}

TEST(ValueListXml, TextInsideRecordStopsReading)
{
    TValueList list;
    QDomDocument doc;
    list.importXml(parseXml(doc, "<elements><element><id>7</id>stray<name>x</name></element>"
                                 "</elements>"));
    ASSERT_NE(nullptr, list.find(7));
    EXPECT_FALSE(list.find(7)->has("name"));
}

TEST(ValueListXml, ExportStructure)
{
    TValueList list;
    TValue *b = record(2, "B & b");
    b->setString("amount", "1.50000");
    list.insert(b);
    list.insert(record(1, "A"));
    Recorder rec(list);

    QDomDocument doc;
    QDomElement root = doc.createElement("root");
    doc.appendChild(root);
    list.exportXml(doc, root);
    EXPECT_EQ("<root><elements>"
              "<element><id>1</id><name>A</name></element>"
              "<element><amount>1.50000</amount><id>2</id><name>B &amp; b</name></element>"
              "</elements></root>",
              doc.toString(-1).trimmed());
    EXPECT_EQ((QList<int> {2}), rec.exportCount);
    EXPECT_EQ((QList<int> {1, 2}), rec.exportSteps);

    // and the export imports back into an equal list
    TValueList copy;
    copy.importXml(doc.documentElement().firstChildElement("elements"));
    EXPECT_EQ(list.toData(), copy.toData());
}

TEST(ValueListText, ExportReplacesSeparators)
{
    TValueList list;
    TValue *v = record(1, "a;b\r\nc\"d");
    v->setString("note", "x\ry\nz");
    list.insert(v);
    list.insert(record(2, "plain"));
    Recorder rec(list);

    QString out;
    QTextStream stream(&out);
    list.exportText(stream, {"id", "name", "missing", "note"});
    stream.flush();
    EXPECT_EQ("1;a,b||c'd;;x|y|z\n"
              "2;plain;;\n",
              out);
    EXPECT_EQ((QList<int> {2}), rec.exportCount);
    EXPECT_EQ((QList<int> {1, 2}), rec.exportSteps);
}

TEST(EscapeXml, Cases)
{
    EXPECT_EQ("a&lt;b", escapeXml("a<b"));
    EXPECT_EQ("&quot;x&quot;", escapeXml("\"x\""));
    EXPECT_EQ("&amp;lt;", escapeXml("&lt;"));
    EXPECT_EQ("a>b", escapeXml("a>b"));
    EXPECT_EQ("]>", escapeXml("]>"));
    EXPECT_EQ("]]&gt;", escapeXml("]]>"));
    EXPECT_EQ("x]]&gt;>", escapeXml("x]]>>"));
    EXPECT_EQ("\t\n\r", escapeXml("\t\n\r"));
    EXPECT_EQ("&#x1;", escapeXml(QString(QChar(1))));
    EXPECT_EQ("a&#x1f;b", escapeXml(QString("a") + QChar(0x1f) + "b"));
    EXPECT_EQ("&#xfffe;", escapeXml(QString(QChar(0xfffe))));
    const QString kept = QString(QChar(0xd7ff)) + QChar(0xe000) + QChar(0xfffd) + QChar(0xe4);
    EXPECT_EQ(kept, escapeXml(kept));
    EXPECT_EQ("", escapeXml(""));
}

TEST(ValueXml, NestingDeeperThanAListIsRefused)
{
    QDomDocument doc;
    QString message;
    int line = 0;
    int column = 0;
    EXPECT_TRUE(parseListXml("<waiters><waiter><id>1</id><name>Ann</name></waiter></waiters>", doc,
                             &message, &line, &column))
            << qPrintable(message);
    EXPECT_EQ("waiters", doc.documentElement().tagName());

    // deep enough to keep a DOM parser busy for minutes
    const QByteArray deep
            = QByteArray("<a>").repeated(200000) + QByteArray("</a>").repeated(200000);
    EXPECT_FALSE(parseListXml(deep, doc, &message, &line, &column));
    EXPECT_TRUE(message.contains("deeper")) << qPrintable(message);
    EXPECT_FALSE(parseListXml("<l><r><f><g/></f></r></l>", doc, &message, &line, &column));
    // broken XML is still reported as such
    EXPECT_FALSE(parseListXml("<l><r>", doc, &message, &line, &column));
    EXPECT_FALSE(message.isEmpty());
}
