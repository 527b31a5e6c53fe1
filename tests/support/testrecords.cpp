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
