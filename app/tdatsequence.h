#pragma once

#include <QByteArray>
#include <QString>

class QDomDocument;
class QDomElement;

// A ".dat" file as the records it holds one after another, not as a list
// keyed by id: a day summary (every table of a day, header, entries and
// end records, ids repeating) or any file whose records are not a list in
// id order. The XML form keeps every record, field and text exactly, so
// that reading it back gives the same bytes.
class TDatSequence
{
public:
    // True when `data` holds records that a list keyed by id would not
    // keep as they are: a record without "id", or ids not strictly
    // ascending.
    static bool isSequence(const QByteArray &data);

    // The XML of `data` under <list order="file">, one <element> per
    // record in file order. False when the data ends inside a record
    // (`problem` says where).
    static bool toXml(const QByteArray &data, const QString &list, const QString &element,
                      QDomDocument &doc, QString *problem);
    // True when `list` is the root of such XML.
    static bool isSequenceXml(const QDomElement &list);
    // The bytes of the records under `list`; false with `problem` set for
    // an element that is no record of that form.
    static bool fromXml(const QDomElement &list, QByteArray &data, QString *problem);
};
