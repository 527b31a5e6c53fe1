#include "tdatsequence.h"

#include "cliutil.h"
#include "trecordcodec.h"

#include <QDomDocument>
#include <QtEndian>

using namespace Basics;

namespace {

const QString OrderAttribute = QStringLiteral("order");
const QString FileOrder = QStringLiteral("file");
const QString NullAttribute = QStringLiteral("null");
const QString NameAttribute = QStringLiteral("name");
const QString EncodingAttribute = QStringLiteral("encoding");
const QString Utf16Base64 = QStringLiteral("utf16-base64");
const QString FieldElement = QStringLiteral("field");

// A name that can stand as an element as it is (and reads back as itself).
bool isPlainName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1String("xml"), Qt::CaseInsensitive)
        || name == FieldElement)
        return false;
    const QChar first = name.at(0);
    if (!(first.isLetter() && first.unicode() < 0x80) && first != QLatin1Char('_'))
        return false;
    for (const QChar c : name) {
        const bool ok = (c.isLetterOrNumber() && c.unicode() < 0x80) || c == QLatin1Char('_')
                        || c == QLatin1Char('-') || c == QLatin1Char('.');
        if (!ok)
            return false;
    }
    return true;
}

// A text that XML keeps as it is: no characters XML refuses or changes
// (controls but tab and line feed, carriage returns, lone surrogates),
// and not only blanks, which a reader drops.
bool xmlKeeps(const QString &text)
{
    bool onlyBlanks = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const ushort u = c.unicode();
        if ((u < 0x20 && u != 0x09 && u != 0x0a) || u == 0xfffe || u == 0xffff)
            return false;
        if (c.isHighSurrogate()) {
            if (i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate())
                return false;
            ++i;
        } else if (c.isLowSurrogate()) {
            return false;
        }
        onlyBlanks = onlyBlanks && c.isSpace();
    }
    return text.isEmpty() || !onlyBlanks;
}

QByteArray utf16Bytes(const QString &text)
{
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    qToBigEndian<quint16>(text.utf16(), text.size(), out.data());
    return out;
}

void setText(QDomDocument &doc, QDomElement &field, const QString &text)
{
    if (text.isNull()) {
        field.setAttribute(NullAttribute, QStringLiteral("yes"));
    } else if (!xmlKeeps(text)) {
        field.setAttribute(EncodingAttribute, Utf16Base64);
        field.appendChild(doc.createTextNode(QString::fromLatin1(utf16Bytes(text).toBase64())));
    } else if (!text.isEmpty()) {
        field.appendChild(doc.createTextNode(text));
    }
}

bool textOf(const QDomElement &field, QString &text)
{
    if (field.attribute(NullAttribute) == QLatin1String("yes")) {
        text = QString();
        return true;
    }
    const QString content = field.text();
    if (field.attribute(EncodingAttribute) == Utf16Base64) {
        const QByteArray bytes = QByteArray::fromBase64(content.toLatin1());
        if (bytes.size() % 2 != 0)
            return false;
        text = QString(bytes.size() / 2, Qt::Uninitialized);
        qFromBigEndian<quint16>(bytes.constData(), bytes.size() / 2, text.data());
        return true;
    }
    text = content.isNull() ? QStringLiteral("") : content;
    return true;
}

} // namespace

bool TDatSequence::isSequence(const QByteArray &data)
{
    TRecordReader reader(data);
    qint64 last = 0;
    bool first = true;
    for (;;) {
        bool hasId = false;
        qint64 id = 0;
        const TRecordReader::Status status = reader.scan([&](TRawString name, TRawString text) {
            if (name.equals("id", 2)) {
                hasId = true;
                id = rawInteger(text);
            }
        });
        if (status != TRecordReader::Ok)
            return false; // the end, or damage that the list reader reports
        if (!hasId || (!first && id <= last))
            return true;
        last = id;
        first = false;
    }
}

bool TDatSequence::toXml(const QByteArray &data, const QString &list, const QString &element,
                         QDomDocument &doc, QString *problem)
{
    QDomElement root = doc.createElement(list);
    root.setAttribute(OrderAttribute, FileOrder);
    doc.appendChild(root);
    TRecordReader reader(data);
    int records = 0;
    for (;;) {
        QDomElement record = doc.createElement(element);
        const qsizetype at = reader.position();
        const TRecordReader::Status status = reader.scan([&](TRawString name, TRawString text) {
            const QString fieldName = decodeString(name);
            QDomElement field;
            if (isPlainName(fieldName)) {
                field = doc.createElement(fieldName);
            } else {
                // a name XML refuses as an element: kept in an attribute
                field = doc.createElement(FieldElement);
                field.setAttribute(NameAttribute,
                                   QString::fromLatin1(utf16Bytes(fieldName).toBase64()));
            }
            setText(doc, field, decodeString(text));
            record.appendChild(field);
        });
        if (status == TRecordReader::End)
            return true;
        if (status != TRecordReader::Ok) {
            *problem = TCli::tr("the file is corrupt (record %1, at byte %2, is cut short)")
                               .arg(records + 1)
                               .arg(at);
            return false;
        }
        root.appendChild(record);
        ++records;
    }
}

bool TDatSequence::isSequenceXml(const QDomElement &list)
{
    return list.attribute(OrderAttribute) == FileOrder;
}

bool TDatSequence::fromXml(const QDomElement &list, QByteArray &data, QString *problem)
{
    int records = 0;
    for (QDomElement record = list.firstChildElement(); !record.isNull();
         record = record.nextSiblingElement()) {
        ++records;
        QList<QPair<QString, QString>> fields;
        for (QDomElement field = record.firstChildElement(); !field.isNull();
             field = field.nextSiblingElement()) {
            QString name = field.tagName();
            if (name == FieldElement) {
                const QByteArray bytes
                        = QByteArray::fromBase64(field.attribute(NameAttribute).toLatin1());
                name = QString(bytes.size() / 2, Qt::Uninitialized);
                qFromBigEndian<quint16>(bytes.constData(), bytes.size() / 2, name.data());
            }
            QString text;
            if (!textOf(field, text)) {
                *problem = TCli::tr("record %1: the field %2 holds no text of its encoding")
                                   .arg(records)
                                   .arg(name);
                return false;
            }
            fields.append({name, text});
        }
        QByteArray count(4, Qt::Uninitialized);
        qToBigEndian<quint32>(quint32(fields.size()), count.data());
        data += count;
        for (const auto &field : std::as_const(fields)) {
            appendString(data, field.first);
            appendString(data, field.second);
        }
    }
    return true;
}
