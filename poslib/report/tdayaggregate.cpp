#include "tdayaggregate.h"

#include "taggregatestream.h"
#include "trepdata.h"

#include <cstring>

namespace PosLib {

namespace {

// magic, version, reserved, stamp length, payload length, checksum
constexpr int HeaderSize = 4 + 2 + 2 + 4 + 4 + 8;

// FNV-1a over 8-byte words: catches a damaged or cut file, fast enough
// for a year of small files.
quint64 checksum(const char *data, qsizetype size)
{
    quint64 h = 14695981039346656037ull;
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, data + i, 8);
        h = (h ^ word) * 1099511628211ull;
    }
    for (; i < size; ++i)
        h = (h ^ quint8(data[i])) * 1099511628211ull;
    return h;
}

template<typename T>
void put(QByteArray &out, T v)
{
    out.append(reinterpret_cast<const char *>(&v), sizeof v);
}

template<typename T>
T at(const QByteArray &in, int offset)
{
    T v;
    std::memcpy(&v, in.constData() + offset, sizeof v);
    return v;
}

struct Header
{
    QByteArray stamp;
    qsizetype payload = 0; // offset of the payload
    bool ok = false;
};

Header readHeader(const QByteArray &blob)
{
    Header h;
    if (blob.size() < HeaderSize || at<quint32>(blob, 0) != TDayAggregate::Magic
        || at<quint16>(blob, 4) != TDayAggregate::Version)
        return h;
    const quint32 stamp = at<quint32>(blob, 8);
    const quint32 payload = at<quint32>(blob, 12);
    if (qsizetype(stamp) + qsizetype(payload) != blob.size() - HeaderSize)
        return h;
    if (checksum(blob.constData() + HeaderSize, blob.size() - HeaderSize) != at<quint64>(blob, 16))
        return h;
    h.stamp = blob.mid(HeaderSize, stamp);
    h.payload = HeaderSize + stamp;
    h.ok = true;
    return h;
}

} // namespace

QByteArray TDayAggregate::toBytes(const TRepDatas &day, const QByteArray &stamp,
                                  TTextNumbers *numbers)
{
    TAggregateWriter writer(numbers);
    // the days a thread writes are alike: room for as many texts as the last
    thread_local qsizetype texts = 0;
    thread_local qsizetype bytes = 0;
    writer.reserveTexts(texts);
    writer.reserveBytes(bytes);
    if (!day.writeDay(writer))
        return QByteArray();
    texts = writer.textCount();
    bytes = writer.size();
    QByteArray out;
    put(out, Magic);
    put(out, Version);
    put(out, quint16(0));
    put(out, quint32(stamp.size()));
    put(out, quint32(0)); // the payload's length, once written
    put(out, quint64(0));
    out.append(stamp);
    writer.appendTo(out);
    const quint32 payload = quint32(out.size() - HeaderSize - stamp.size());
    std::memcpy(out.data() + 12, &payload, sizeof payload);
    const quint64 sum = checksum(out.constData() + HeaderSize, out.size() - HeaderSize);
    std::memcpy(out.data() + 16, &sum, sizeof sum);
    return out;
}

QByteArray TDayAggregate::stampOf(const QByteArray &blob)
{
    return readHeader(blob).stamp;
}

bool TDayAggregate::merge(const QByteArray &blob, TRepDatas &into)
{
    const Header h = readHeader(blob);
    if (!h.ok)
        return false;
    // a blob of the other side or records changes nothing: the groups look
    // at its kind before they take anything (its texts are read once)
    return mergePayload(
            QByteArray::fromRawData(blob.constData() + h.payload, blob.size() - h.payload), into);
}

bool TDayAggregate::mergePayload(const QByteArray &payload, TRepDatas &into)
{
    TAggregateReader reader(payload);
    if (!reader.ok())
        return false;
    into.mergeDay(reader);
    return reader.ok() && reader.atEnd();
}

} // namespace PosLib
