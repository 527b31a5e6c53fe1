#include "tvalue.h"

#include "tdir.h"
#include "terror.h"
#include "tfile.h"
#include "tfilenotices.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "tnumbertext.h"
#include "trecordcodec.h"
#include "tsavefile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDomDocument>
#include <QFileInfo>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace Basics {

// ---- text forms -----------------------------------------------------------

QString integerText(qint64 value)
{
    char16_t buffer[20];
    const int size = writeInteger(value, buffer);
    return QString(reinterpret_cast<const QChar *>(buffer + 20 - size), size);
}

QString decimalText(double value)
{
    // Most values are whole cents or counts: format those without the
    // general floating point conversion ("12.50000").
    const double scaled = value * 100000.0;
    if (std::fabs(scaled) < 9e15) {
        const qint64 units = qint64(std::llround(scaled));
        if (std::fabs(scaled - double(units)) < 1e-6 && std::fabs(value) >= 1e-5) {
            const qint64 whole = units / 100000;
            const qint64 fraction = units < 0 ? -(units % 100000) : units % 100000;
            QString text
                    = (units < 0 && whole == 0) ? QStringLiteral("-0") : QString::number(whole);
            text += QLatin1Char('.');
            text += QString::number(fraction).rightJustified(5, QLatin1Char('0'));
            return text;
        }
    }
    return QString::number(value, 'f', 5);
}

QString booleanText(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

qint64 parseInteger(const QString &text)
{
    // most texts are up to 18 plain digits, perhaps after a minus: read
    // here, with the value toLongLong() gives them
    const QChar *const chars = text.constData();
    const qsizetype size = text.size();
    const qsizetype first = size > 0 && chars[0] == QLatin1Char('-') ? 1 : 0;
    if (size > first && size - first <= 18) {
        qint64 v = 0;
        qsizetype i = first;
        for (; i < size; ++i) {
            const unsigned digit = unsigned(chars[i].unicode()) - unsigned(u'0');
            if (digit > 9)
                break;
            v = v * 10 + qint64(digit);
        }
        if (i == size)
            return first ? -v : v;
    }
    bool ok = false;
    qint64 v = text.toLongLong(&ok);
    if (!ok)
        v = text.trimmed().toLongLong(&ok);
    return ok ? v : 0;
}

double parseDecimal(const QString &text)
{
    bool ok = false;
    double v = text.toDouble(&ok);
    if (!ok)
        v = text.trimmed().toDouble(&ok);
    return ok ? v : 0.0;
}

bool parseBoolean(const QString &text)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("yes") || t == QLatin1String("true") || t == QLatin1String("on"))
        return true;
    return parseInteger(t) == 1;
}

// ---- TValue ---------------------------------------------------------------

TValue::~TValue() = default;

int TValue::id() const
{
    return getInt(QStringLiteral("id"));
}

void TValue::setId(int id)
{
    set(QStringLiteral("id"), TypeInteger, integerText(id));
}

TValueField TValue::get(const QString &name, const TValueField &def) const
{
    auto it = m_fields.constFind(name);
    return it == m_fields.cend() ? def : it.value();
}

QString TValue::getString(const QString &name, const QString &def) const
{
    auto it = m_fields.constFind(name);
    return it == m_fields.cend() ? def : it.value().text;
}

int TValue::getInt(const QString &name, int def) const
{
    return int(getLong(name, def));
}

qint64 TValue::getLong(const QString &name, qint64 def) const
{
    auto it = m_fields.constFind(name);
    return it == m_fields.cend() ? def : parseInteger(it.value().text);
}

double TValue::getDouble(const QString &name, double def) const
{
    auto it = m_fields.constFind(name);
    return it == m_fields.cend() ? def : parseDecimal(it.value().text);
}

bool TValue::getBool(const QString &name, bool def) const
{
    auto it = m_fields.constFind(name);
    return it == m_fields.cend() ? def : parseBoolean(it.value().text);
}

QDate TValue::getDate(const QString &name) const
{
    auto it = m_fields.constFind(name);
    return it == m_fields.cend() ? QDate() : QDate::fromString(it.value().text, Qt::ISODate);
}

QTime TValue::getTime(const QString &name) const
{
    auto it = m_fields.constFind(name);
    return it == m_fields.cend() ? QTime() : QTime::fromString(it.value().text, Qt::ISODate);
}

QDateTime TValue::getDateTime(const QString &name) const
{
    auto it = m_fields.constFind(name);
    return it == m_fields.cend() ? QDateTime()
                                 : QDateTime::fromString(it.value().text, Qt::ISODate);
}

void TValue::set(const QString &name, const TValueField &field)
{
    m_fields.insert(name, field);
    ++m_version;
}

void TValue::set(const QString &name, qint32 type, const QString &text)
{
    m_fields.insert(name, TValueField(type, text));
    ++m_version;
}

void TValue::append(const QString &name, const QString &text)
{
    m_fields.insert(name, TValueField(TypeText, text));
    ++m_version;
}

void TValue::setString(const QString &name, const QString &text)
{
    set(name, TypeText, text);
}

void TValue::setInt(const QString &name, qint64 value)
{
    set(name, TypeInteger, integerText(value));
}

void TValue::setDouble(const QString &name, double value)
{
    set(name, TypeDecimal, decimalText(value));
}

void TValue::setBool(const QString &name, bool value)
{
    set(name, TypeBoolean, booleanText(value));
}

void TValue::setDate(const QString &name, const QDate &value)
{
    set(name, TypeDateTime, value.toString(Qt::ISODate));
}

void TValue::setTime(const QString &name, const QTime &value)
{
    set(name, TypeDateTime, value.toString(Qt::ISODate));
}

void TValue::setDateTime(const QString &name, const QDateTime &value)
{
    set(name, TypeDateTime, value.toString(Qt::ISODate));
}

void TValue::remove(const QString &name)
{
    if (m_fields.remove(name))
        ++m_version;
}

void TValue::clear()
{
    m_fields.clear();
    ++m_version;
}

QString TValue::name() const
{
    return getString(QStringLiteral("name"));
}

void TValue::setName(const QString &name)
{
    if (name.isEmpty())
        remove(QStringLiteral("name"));
    else
        setString(QStringLiteral("name"), name);
}

TNValue::~TNValue() = default;

int TNValue::id() const
{
    return TValue::id();
}

void TNValue::setId(int id)
{
    TValue::setId(id);
}

// ---- compressed files -----------------------------------------------------

bool compressionEnabled()
{
    const QString v = qEnvironmentVariable("POS_COMPRESS").trimmed().toLower();
    return !v.isEmpty() && v != QLatin1String("0") && v != QLatin1String("false");
}

QByteArray uncompressIfMarked(const QByteArray &data, bool *corrupt)
{
    if (corrupt)
        *corrupt = false;
    if (data.isEmpty() || uchar(data.back()) != 0xFF || !compressionEnabled())
        return data;
    const QByteArray packed = data.left(data.size() - 1);
    // the size it claims is allocated whole before a byte is unpacked
    if (packed.size() >= 4) {
        const qint64 claimed = qFromBigEndian<quint32>(packed.constData());
        if (claimed > MaxUncompressedSize
            || claimed > qint64(packed.size()) * MaxCompressionRatio) {
            if (corrupt)
                *corrupt = true;
            return QByteArray();
        }
    }
    const QByteArray plain = qUncompress(packed);
    // A marker byte that was no marker: keep the data for the record parser,
    // which then reports what it finds.
    return plain.isEmpty() && packed.size() > 4 ? data : plain;
}

// ---- TValueList -----------------------------------------------------------

TValueList::TValueList(bool autoDelete, QObject *parent)
    : QObject(parent)
    , m_autoDelete(autoDelete)
{ }

TValueList::~TValueList()
{
    if (m_autoDelete)
        qDeleteAll(m_values);
}

QString TValueList::listName() const
{
    return QStringLiteral("elements");
}

QString TValueList::fileName() const
{
    return QStringLiteral("elements.dat");
}

QString TValueList::elementName() const
{
    return QStringLiteral("element");
}

QString TValueList::dataDir() const
{
    return QStringLiteral("usr/data");
}

TValue *TValueList::newValue()
{
    return new TValue;
}

TValue *TValueList::find(int id) const
{
    return m_values.value(id, nullptr);
}

void TValueList::clear()
{
    if (m_autoDelete)
        qDeleteAll(m_values);
    m_values.clear();
    m_nextId = 1;
}

void TValueList::store(TValue *value)
{
    auto it = m_values.find(value->id());
    if (it != m_values.end()) {
        if (it.value() != value && m_autoDelete)
            delete it.value();
        it.value() = value;
    } else {
        m_values.insert(value->id(), value);
    }
}

void TValueList::insert(TValue *value)
{
    if (value->id() >= m_nextId)
        m_nextId = value->id() + 1;
    store(value);
    Q_EMIT inserted(value);
}

void TValueList::insertOrUpdate(TValue *value)
{
    if (value->id() >= m_nextId)
        m_nextId = value->id() + 1;
    if (!find(value->id())) {
        store(value);
        Q_EMIT inserted(value);
    } else {
        update(value);
    }
}

void TValueList::append(TValue *value)
{
    if (m_nextId == 0)
        m_nextId = 1;
    value->setId(m_nextId);
    insertOrUpdate(value);
}

TValue *TValueList::take(TValue *value)
{
    TValue *found = m_values.take(value->id());
    if (found)
        Q_EMIT removed(found);
    return found;
}

bool TValueList::remove(TValue *value)
{
    Q_EMIT removed(value);
    auto it = m_values.find(value->id());
    if (it == m_values.end())
        return false;
    TValue *stored = it.value();
    m_values.erase(it);
    if (m_autoDelete)
        delete stored;
    return true;
}

void TValueList::update(TValue *value)
{
    Q_EMIT changed(value);
}

namespace {
// An absurd field count is reported as this position of "tvalue", code 5,
// the one the terminals' tools know.
constexpr int CorruptCountLine = 106;
constexpr int CorruptCountCode = 5;
} // namespace

int TValueList::parseData(const QByteArray &raw)
{
    bool corrupt = false;
    const QByteArray data = uncompressIfMarked(raw, &corrupt);
    if (corrupt)
        return DataCutShort;
    TRecordReader reader(data);
    for (;;) {
        TValue *value = newValue();
        const TRecordReader::Status status = reader.read(*value);
        if (status == TRecordReader::Ok) {
            insert(value);
            continue;
        }
        delete value;
        switch (status) {
        case TRecordReader::End:
            return Loaded;
        case TRecordReader::CorruptCount:
            throw TError(CorruptCountLine, "tvalue", CorruptCountCode, CorruptCountCode);
        default:
            return DataCutShort;
        }
    }
}

QByteArray TValueList::toData() const
{
    QByteArray out;
    for (const TValue *v : m_values)
        appendRecord(out, *v);
    return out;
}

int TValueList::load(const QString &dir, const QString &file)
{
    const QString path = normalizeDir(dir, true) + file;
    if (!QFileInfo::exists(path)) {
        clear();
        // A save that the older scheme left half done (or a copy that lost
        // the file) keeps the list beside the name: say so rather than
        // giving an empty list without a word.
        for (const char *suffix : {".new", ".old"}) {
            const QFileInfo kept(path + QLatin1String(suffix));
            if (kept.exists() && kept.size() > 0) {
                logWarning(QStringLiteral("%1 is missing but %2 holds a list (%3 bytes); the list "
                                          "reads as empty until it is restored")
                                   .arg(path, kept.filePath())
                                   .arg(kept.size()),
                           LogModule::Library, LogClass::ValueList);
                TFileNotices::instance().post(
                        QCoreApplication::translate("TValueList",
                                                    "%1 is missing but %2 holds a list; the list "
                                                    "reads as empty until it is restored")
                                .arg(path, kept.filePath()));
            }
        }
        return NoFile;
    }
    TFile f(path);
    f.open(QIODevice::ReadOnly);
    clear();
    const QByteArray data = f.readRest();
    f.close();
    const int result = parseData(data);
    if (result != Loaded)
        logError(QStringLiteral("%1 is damaged: the list holds the %2 records read before the "
                                "damage")
                         .arg(path)
                         .arg(m_values.size()),
                 LogModule::Library, LogClass::ValueList);
    return result;
}

QString TValueList::filePath(const char *basePath) const
{
    return normalizeDir(normalizeDir(QString::fromLocal8Bit(basePath), false) + dataDir(), true)
           + fileName();
}

int TValueList::load(const char *basePath)
{
    return load(
            normalizeDir(normalizeDir(QString::fromLocal8Bit(basePath), false) + dataDir(), true),
            fileName());
}

void TValueList::save(const QString &dir, const QString &file)
{
    const QString path = normalizeDir(dir, true) + file;
    // The complete list as ".new"; the previous one stays as ".old"
    TSaveFile out(path, path + QLatin1String(".new"));
    out.setBackupName(path + QLatin1String(".old"));
    out.open();
    out.write(toData());
    out.commit();
}

void TValueList::save(const char *basePath)
{
    save(normalizeDir(normalizeDir(QString::fromLocal8Bit(basePath), false) + dataDir(), true),
         fileName());
}

// ---- XML ------------------------------------------------------------------

bool parseListXml(const QByteArray &xml, QDomDocument &doc, QString *message, int *line,
                  int *column)
{
    QXmlStreamReader reader(xml);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > MaxValueXmlDepth) {
            if (message)
                *message = QStringLiteral("elements nested deeper than %1 levels (a list, its "
                                          "records and their fields)")
                                   .arg(MaxValueXmlDepth);
            if (line)
                *line = int(reader.lineNumber());
            if (column)
                *column = int(reader.columnNumber());
            return false;
        }
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    // the stream reader's own errors are left to the DOM's messages
    return doc.setContent(xml, message, line, column);
}

static const QString DeleteTag = QStringLiteral("_delete_");

void TValueList::importXml(const QDomElement &list)
{
    const QDomNodeList children = list.childNodes();
    Q_EMIT importCount(children.count());
    int first = 0;
    if (children.count() > 0 && children.item(0).nodeName() == DeleteTag) {
        clear();
        first = 1;
    }
    const bool settings = list.nodeName().toLower() == QLatin1String("settings");
    for (int i = first; i < children.count(); ++i) {
        Q_EMIT importStep(i - first + 1);
        const QDomNode node = children.item(i);
        if (!node.isElement())
            continue;
        const QDomElement element = node.toElement();
        TValue *value = newValue();
        readValueXml(value, element);
        if (settings) {
            // The settings record is merged in place, whatever its id.
            TValue *existing = find(value->id());
            if (!existing) {
                insertOrUpdate(value);
                continue;
            }
            readValueXml(existing, element);
            insertOrUpdate(existing);
            delete value;
            continue;
        }
        if (value->id() == 0) {
            append(value);
            continue;
        }
        TValue *existing = find(value->id());
        if (!existing) {
            insert(value);
            continue;
        }
        if (element.firstChild().nodeName() != DeleteTag) {
            readValueXml(existing, element);
            update(existing);
        } else {
            remove(existing);
        }
        delete value;
    }
}

void TValueList::exportXml(QDomDocument &doc, QDomNode &parent)
{
    Q_EMIT exportCount(count());
    QDomElement list = doc.createElement(listName());
    parent.appendChild(list);
    int step = 0;
    for (TValue *value : std::as_const(m_values)) {
        Q_EMIT exportStep(++step);
        QDomElement element = doc.createElement(elementName());
        writeValueXml(value, doc, element);
        list.appendChild(element);
    }
}

bool TValueList::readValueXml(TValue *value, const QDomElement &element)
{
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (!child.isElement()) {
            qDebug("no attr");
            return false;
        }
        value->set(child.nodeName(), TypeText, child.toElement().text());
    }
    return true;
}

void TValueList::writeValueXml(TValue *value, QDomDocument &doc, QDomElement &element)
{
    const TValue::Fields &f = value->fields();
    for (auto it = f.cbegin(); it != f.cend(); ++it) {
        QDomElement field = doc.createElement(it.key());
        field.appendChild(doc.createTextNode(it.value().text));
        element.appendChild(field);
    }
}

void TValueList::exportText(QTextStream &stream, const QStringList &keys)
{
    Q_EMIT exportCount(count());
    int step = 0;
    for (TValue *value : std::as_const(m_values)) {
        Q_EMIT exportStep(++step);
        for (int k = 0; k < keys.size(); ++k) {
            QString text = value->getString(keys.at(k));
            text.replace(QLatin1Char(';'), QLatin1Char(','));
            text.replace(QLatin1Char('\r'), QLatin1Char('|'));
            text.replace(QLatin1Char('\n'), QLatin1Char('|'));
            text.replace(QLatin1Char('"'), QLatin1Char('\''));
            if (k > 0)
                stream << ';';
            stream << text;
        }
        stream << '\n';
    }
}

// ---- TValueSort -----------------------------------------------------------

TValueSort::TValueSort(const QString &k, int m, bool f, const QString &second)
    : key(k)
    , secondKey(second)
    , mode(m)
    , flag(f)
{ }

int TValueSort::compareItems(const TValue *a, const TValue *b) const
{
    if (mode == 1) {
        const double x = a->getDouble(key);
        const double y = b->getDouble(key);
        if (x == y)
            return 0;
        return (x < y) == flag ? -1 : 1;
    }
    if (mode == 2) {
        const QDateTime x(a->getDate(key), a->getTime(secondKey));
        const QDateTime y(b->getDate(key), b->getTime(secondKey));
        if (x == y)
            return 0;
        return (x < y) == flag ? -1 : 1;
    }
    const QString x = a->getString(key).toLower();
    const QString y = b->getString(key).toLower();
    const int c = QString::compare(x, y, Qt::CaseSensitive);
    if (c == 0)
        return 0;
    // text mode: the flag asks for descending order
    return (c < 0) != flag ? -1 : 1;
}

void TValueSort::sort()
{
    std::stable_sort(begin(), end(),
                     [this](const TValue *a, const TValue *b) { return compareItems(a, b) < 0; });
}

// ---- XML escaping ---------------------------------------------------------

QString escapeXml(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const ushort u = c.unicode();
        if (u == '<') {
            out += QLatin1String("&lt;");
        } else if (u == '"') {
            out += QLatin1String("&quot;");
        } else if (u == '&') {
            out += QLatin1String("&amp;");
        } else if (u == '>') {
            if (i >= 2 && text.at(i - 1) == QLatin1Char(']') && text.at(i - 2) == QLatin1Char(']'))
                out += QLatin1String("&gt;");
            else
                out += c;
        } else if (u == '\t' || u == '\n' || u == '\r') {
            out += c;
        } else if ((u >= 0x20 && u <= 0xD7FF) || (u >= 0xE000 && u <= 0xFFFD)) {
            out += c;
        } else {
            out += QLatin1String("&#x") + QString::number(u, 16) + QLatin1Char(';');
        }
    }
    return out;
}

} // namespace Basics
