#pragma once

#include "tentryfacts.h"
#include "tvalue.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace PosLib {

// What a leaf kept from one day to the next (TReportNode::restart()) was
// filled with last: its record right after that fill and, for each value
// the fill set, the text of the entry it came from as the file held it (or
// the number). The day's first entry of the leaf's key fills it again from
// that record, setting only the values that changed: a leaf's texts
// (article names, pay forms, currencies) are mostly the same every day, and
// are then neither decoded nor set again. The record comes out as a leaf
// filled anew by the same entry has it.
//
// A fill names its values by slot, each slot set the same way (the same
// field name) in every fill and every value of the record the fill makes
// set through one; values that are not the file's text (a record in memory,
// a value set on the facts) are set every time.
class TKeptFill
{
public:
    // Starts a fill of `record`, which holds nothing: from the record of the
    // last fill, or, when there is none or `again` is false, from nothing.
    void start(Basics::TValue &record, bool again = true);
    // Sets field `to` of `record` to field `field` of `entry`, or removes
    // it when `entry` has none, as TEntryFacts::copyTo() copies a field.
    void copy(Basics::TValue &record, int slot, const TEntryFacts &entry, TField field, TField to);
    void copy(Basics::TValue &record, int slot, const TEntryFacts &entry, TField field)
    {
        copy(record, slot, entry, field, field);
    }
    // Sets `name` as TValue::setInt() or setBool().
    void setInt(Basics::TValue &record, int slot, const QString &name, qint64 value);
    void setBool(Basics::TValue &record, int slot, const QString &name, bool value);
    // Ends the fill: the record as it is now is the next one's start.
    void finish(const Basics::TValue &record);

private:
    struct Slot
    {
        bool known = false; // what the record holds is what is noted here
        bool present = false;
        qint64 number = 0;
        qint32 size = -1; // of the text; -1: a null text
        QByteArray text;
    };
    Slot &slot(int n);
    // Whether a slot set by the last fill holds this number already.
    bool holds(const Slot &s, qint64 number) const
    {
        return m_again && s.known && s.present && s.number == number;
    }

    std::vector<Slot> m_slots;
    Basics::TValue m_last;
    bool m_hasLast = false;
    bool m_again = false; // the fill started from m_last
};

} // namespace PosLib
