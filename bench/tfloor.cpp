#include "tfloor.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cstring>

namespace {

// A field name as the file stores it: UTF-16, most significant byte first.
struct Name
{
    explicit Name(const char *text)
        : size(qsizetype(std::strlen(text)) * 2)
    {
        for (qsizetype i = 0; i < size / 2; ++i) {
            bytes[2 * i] = 0;
            bytes[2 * i + 1] = text[i];
        }
    }
    bool is(const uchar *p, quint32 len) const
    {
        return qsizetype(len) == size && std::memcmp(p, bytes, size) == 0;
    }
    uchar bytes[32];
    qsizetype size;
};

const Name Type("type");
const Name Article("article");
const Name Price("price");
const Name Count("count");

// Decimal digits of a UTF-16 text with an optional sign and fraction.
double number(const uchar *p, quint32 len)
{
    double value = 0;
    double scale = 0;
    bool negative = false;
    for (quint32 i = 0; i + 1 < len; i += 2) {
        const char16_t c = char16_t(p[i] << 8 | p[i + 1]);
        if (c == u'-') {
            negative = true;
        } else if (c == u'.') {
            scale = 1;
        } else if (c >= u'0' && c <= u'9') {
            value = value * 10 + (c - u'0');
            scale *= 10;
        }
    }
    if (scale > 1)
        value /= scale;
    return negative ? -value : value;
}

} // namespace

namespace {

// Reads a file whole into `buffer` (grown as needed); the bytes read, 0
// when the file cannot be read.
qint64 readFile(const QString &path, QByteArray &buffer)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const qsizetype size = qsizetype(file.size());
    if (buffer.size() < size)
        buffer.resize(size);
    const qint64 read = file.read(buffer.data(), size);
    return read > 0 ? read : 0;
}

// Walks the records of `size` bytes, decoding the four values of orders.
void walkRecords(const QByteArray &buffer, qint64 size, TFloorResult &result, QString &article)
{
    result.bytes += size;
    const uchar *data = reinterpret_cast<const uchar *>(buffer.constData());
    const uchar *end = data + size;
    const uchar *p = data;
    auto u32 = [&](quint32 &v) {
        if (end - p < 4)
            return false;
        v = qFromBigEndian<quint32>(p);
        p += 4;
        return true;
    };
    // a string: its bytes, or null for a null string
    auto string = [&](const uchar *&s, quint32 &len) {
        if (!u32(len))
            return false;
        if (len == 0xFFFFFFFFu) {
            s = nullptr;
            len = 0;
            return true;
        }
        if (quint32(end - p) < len)
            return false;
        s = p;
        p += len;
        return true;
    };
    quint32 fields;
    while (u32(fields)) {
        ++result.records;
        int type = 0;
        double price = 0;
        double count = 0;
        for (quint32 i = 0; i < fields; ++i) {
            const uchar *name;
            const uchar *value;
            quint32 nameLen;
            quint32 valueLen;
            if (!string(name, nameLen) || !string(value, valueLen))
                return;
            if (Type.is(name, nameLen)) {
                type = int(number(value, valueLen));
            } else if (Article.is(name, nameLen)) {
                article.resize(valueLen / 2);
                qFromBigEndian<quint16>(value, valueLen / 2,
                                        reinterpret_cast<quint16 *>(article.data()));
                result.articleChars += article.size();
            } else if (Price.is(name, nameLen)) {
                price = number(value, valueLen);
            } else if (Count.is(name, nameLen)) {
                count = number(value, valueLen);
            }
        }
        if (type == 3) {
            ++result.orders;
            result.amount += price * count;
        }
    }
}

} // namespace

TFloorResult walkDaySummaries(const QString &root, const QDate &from, const QDate &to)
{
    TFloorResult result;
    QByteArray buffer;
    QString article;
    for (QDate day = from; day.isValid() && day <= to; day = day.addDays(1)) {
        const qint64 size = readFile(root + QStringLiteral("var/summary/")
                                             + day.toString(Qt::ISODate) + QStringLiteral(".dat"),
                                     buffer);
        if (size > 0)
            walkRecords(buffer, size, result, article);
    }
    return result;
}

TFloorResult walkTableFiles(const QString &root)
{
    TFloorResult result;
    QByteArray buffer;
    QString article;
    const QStringList dirs = {QStringLiteral("var/tables/"), QStringLiteral("var/archives/")};
    for (const QString &dir : dirs) {
        const QStringList names = QDir(root + dir).entryList(QDir::Files, QDir::Unsorted);
        for (const QString &name : names) {
            const qint64 size = readFile(root + dir + name, buffer);
            if (size > 0)
                walkRecords(buffer, size, result, article);
        }
    }
    return result;
}
