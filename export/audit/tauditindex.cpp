#include "tauditindex.h"

#include <QXmlStreamWriter>

namespace PosLib {

namespace {

void writeType(QXmlStreamWriter &xml, const TAuditColumn &column)
{
    switch (column.type) {
    case TAuditType::Integer:
        xml.writeEmptyElement(QStringLiteral("Numeric"));
        break;
    case TAuditType::Amount:
    case TAuditType::Quantity:
        xml.writeStartElement(QStringLiteral("Numeric"));
        xml.writeTextElement(QStringLiteral("Accuracy"), column.type == TAuditType::Amount
                                                                 ? QStringLiteral("2")
                                                                 : QStringLiteral("3"));
        xml.writeEndElement();
        break;
    case TAuditType::Date:
        xml.writeStartElement(QStringLiteral("Date"));
        xml.writeTextElement(QStringLiteral("Format"), QStringLiteral("YYYY-MM-DD"));
        xml.writeEndElement();
        break;
    case TAuditType::Text:
    case TAuditType::Timestamp:
        xml.writeEmptyElement(QStringLiteral("AlphaNumeric"));
        if (column.maxLength > 0 || column.type == TAuditType::Timestamp)
            xml.writeTextElement(QStringLiteral("MaxLength"),
                                 QString::number(column.maxLength > 0 ? column.maxLength : 19));
        break;
    }
}

} // namespace

QString auditDtdName()
{
    return QStringLiteral("gdpdu-01-09-2004.dtd");
}

QByteArray auditIndexXml(const QList<TAuditTable> &tables, const TAuditSupplier &supplier,
                         const QDate &from, const QDate &to)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE DataSet SYSTEM \"%1\">").arg(auditDtdName()));
    xml.writeStartElement(QStringLiteral("DataSet"));
    xml.writeTextElement(QStringLiteral("Version"), QStringLiteral("1.0"));
    xml.writeStartElement(QStringLiteral("DataSupplier"));
    xml.writeTextElement(QStringLiteral("Name"), supplier.name);
    xml.writeTextElement(QStringLiteral("Location"), supplier.location);
    xml.writeTextElement(QStringLiteral("Comment"), supplier.comment);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("Media"));
    xml.writeTextElement(QStringLiteral("Name"), QStringLiteral("DSFinV-K"));
    const QStringList keys = auditKeyColumns();
    for (const TAuditTable &table : tables) {
        xml.writeStartElement(QStringLiteral("Table"));
        xml.writeTextElement(QStringLiteral("URL"), table.file);
        xml.writeTextElement(QStringLiteral("Name"), table.name);
        xml.writeTextElement(QStringLiteral("Description"), table.description);
        xml.writeStartElement(QStringLiteral("Validity"));
        xml.writeStartElement(QStringLiteral("Range"));
        xml.writeTextElement(QStringLiteral("From"), from.toString(QStringLiteral("dd.MM.yyyy")));
        xml.writeTextElement(QStringLiteral("To"), to.toString(QStringLiteral("dd.MM.yyyy")));
        xml.writeEndElement();
        xml.writeTextElement(QStringLiteral("Format"), QStringLiteral("dd.MM.yyyy"));
        xml.writeEndElement();
        xml.writeEmptyElement(QStringLiteral("UTF8"));
        xml.writeTextElement(QStringLiteral("DecimalSymbol"), QStringLiteral("."));
        xml.writeTextElement(QStringLiteral("DigitGroupingSymbol"), QStringLiteral(","));
        // the first line holds the column names
        xml.writeStartElement(QStringLiteral("Range"));
        xml.writeTextElement(QStringLiteral("From"), QStringLiteral("2"));
        xml.writeEndElement();
        xml.writeStartElement(QStringLiteral("VariableLength"));
        xml.writeTextElement(QStringLiteral("ColumnDelimiter"), QStringLiteral(","));
        xml.writeTextElement(QStringLiteral("RecordDelimiter"), QStringLiteral("\r\n"));
        xml.writeTextElement(QStringLiteral("TextEncapsulator"), QStringLiteral("\""));
        for (const TAuditColumn &column : table.columns) {
            xml.writeStartElement(keys.contains(column.name) ? QStringLiteral("VariablePrimaryKey")
                                                             : QStringLiteral("VariableColumn"));
            xml.writeTextElement(QStringLiteral("Name"), column.name);
            writeType(xml, column);
            xml.writeEndElement();
        }
        if (table.file != QLatin1String("cashpointclosing.csv")) {
            xml.writeStartElement(QStringLiteral("ForeignKey"));
            for (const QString &key : keys)
                xml.writeTextElement(QStringLiteral("Name"), key);
            xml.writeTextElement(QStringLiteral("References"),
                                 QStringLiteral("cashpointclosing.csv"));
            xml.writeEndElement();
        }
        xml.writeEndElement(); // VariableLength
        xml.writeEndElement(); // Table
    }
    xml.writeEndElement(); // Media
    xml.writeEndElement(); // DataSet
    xml.writeEndDocument();
    return out;
}

QByteArray auditDtd()
{
    // The structure of a tax-audit data set description: the data set, its
    // supplier, its media and their tables, each table's text form and
    // columns.
    return QByteArrayLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<!ELEMENT DataSet (Version, DataSupplier?, Command*, Media+)>\n"
            "<!ELEMENT Version (#PCDATA)>\n"
            "<!ELEMENT DataSupplier (Name, Location, Comment)>\n"
            "<!ELEMENT Name (#PCDATA)>\n"
            "<!ELEMENT Location (#PCDATA)>\n"
            "<!ELEMENT Comment (#PCDATA)>\n"
            "<!ELEMENT Command (#PCDATA)>\n"
            "<!ELEMENT Media (Name, Command*, Table+, Command*)>\n"
            "<!ELEMENT Table (URL, Name?, Description?, Validity?,\n"
            "                 (ANSI | Macintosh | OEM | UTF16 | UTF7 | UTF8)?,\n"
            "                 (DecimalSymbol, DigitGroupingSymbol)?, SkipNumBytes?, Range?,\n"
            "                 Epoch?, (VariableLength | FixedLength))>\n"
            "<!ELEMENT URL (#PCDATA)>\n"
            "<!ELEMENT Description (#PCDATA)>\n"
            "<!ELEMENT Validity (Range, Format?)>\n"
            "<!ELEMENT Range (From, (To | Length)?)>\n"
            "<!ELEMENT From (#PCDATA)>\n"
            "<!ELEMENT To (#PCDATA)>\n"
            "<!ELEMENT Length (#PCDATA)>\n"
            "<!ELEMENT Format (#PCDATA)>\n"
            "<!ELEMENT ANSI EMPTY>\n"
            "<!ELEMENT Macintosh EMPTY>\n"
            "<!ELEMENT OEM EMPTY>\n"
            "<!ELEMENT UTF16 EMPTY>\n"
            "<!ELEMENT UTF7 EMPTY>\n"
            "<!ELEMENT UTF8 EMPTY>\n"
            "<!ELEMENT DecimalSymbol (#PCDATA)>\n"
            "<!ELEMENT DigitGroupingSymbol (#PCDATA)>\n"
            "<!ELEMENT SkipNumBytes (#PCDATA)>\n"
            "<!ELEMENT Epoch (#PCDATA)>\n"
            "<!ELEMENT VariableLength (ColumnDelimiter?, RecordDelimiter?, TextEncapsulator?,\n"
            "                          VariablePrimaryKey+, VariableColumn*, ForeignKey*)>\n"
            "<!ELEMENT ColumnDelimiter (#PCDATA)>\n"
            "<!ELEMENT RecordDelimiter (#PCDATA)>\n"
            "<!ELEMENT TextEncapsulator (#PCDATA)>\n"
            "<!ELEMENT VariablePrimaryKey (Name, Description?, (Numeric | AlphaNumeric | Date),\n"
            "                              MaxLength?, Map*)>\n"
            "<!ELEMENT VariableColumn (Name, Description?, (Numeric | AlphaNumeric | Date),\n"
            "                          MaxLength?, Map*)>\n"
            "<!ELEMENT FixedLength (Length?, RecordDelimiter?, FixedPrimaryKey+, FixedColumn*,\n"
            "                       ForeignKey*)>\n"
            "<!ELEMENT FixedPrimaryKey (Name, Description?, (Numeric | AlphaNumeric | Date),\n"
            "                           FixedRange, Map*)>\n"
            "<!ELEMENT FixedColumn (Name, Description?, (Numeric | AlphaNumeric | Date),\n"
            "                       FixedRange, Map*)>\n"
            "<!ELEMENT FixedRange (From, (To | Length))>\n"
            "<!ELEMENT Numeric (ImpliedAccuracy | Accuracy)?>\n"
            "<!ELEMENT ImpliedAccuracy (#PCDATA)>\n"
            "<!ELEMENT Accuracy (#PCDATA)>\n"
            "<!ELEMENT AlphaNumeric EMPTY>\n"
            "<!ELEMENT Date (Format)>\n"
            "<!ELEMENT MaxLength (#PCDATA)>\n"
            "<!ELEMENT Map (Description?, From, To)>\n"
            "<!ELEMENT ForeignKey (Name+, References, Alias*)>\n"
            "<!ELEMENT References (#PCDATA)>\n"
            "<!ELEMENT Alias (From, To)>\n");
}

} // namespace PosLib
