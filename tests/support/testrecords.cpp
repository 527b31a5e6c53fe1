#include "testrecords.h"

#include "trecordcodec.h"

QList<Basics::TValue> records(const QByteArray &data)
{
    QList<Basics::TValue> out;
    Basics::TRecordReader reader(data);
    Basics::TValue v;
    while (reader.read(v) == Basics::TRecordReader::Ok)
        out << v;
    return out;
}

QByteArray fileText(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (QChar c : text)
        bytes.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
    return bytes;
}
