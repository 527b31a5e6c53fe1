#include "tkeptfill.h"

#include "trecordcodec.h"

#include <cstring>

using namespace Basics;

namespace PosLib {

TKeptFill::Slot &TKeptFill::slot(int n)
{
    if (size_t(n) >= m_slots.size())
        m_slots.resize(size_t(n) + 1);
    return m_slots[size_t(n)];
}

void TKeptFill::start(TValue &record, bool again)
{
    m_again = again && m_hasLast;
    if (m_again) {
        record = m_last;
        return;
    }
    // every value is set anew: nothing noted is held
    for (Slot &s : m_slots)
        s.known = false;
}

void TKeptFill::copy(TValue &record, int n, const TEntryFacts &entry, TField field, TField to)
{
    Slot &s = slot(n);
    TRawString raw;
    const bool present = entry.has(field);
    const bool fromFile = present && entry.rawText(field, raw);
    if (m_again && s.known && s.present == present) {
        if (!present)
            return;
        if (fromFile && raw.size == s.size
            && (raw.size <= 0 || std::memcmp(raw.data, s.text.constData(), size_t(raw.size)) == 0))
            return;
    }
    if (present)
        record.set(fieldName(to), entry.get(field));
    else
        record.remove(fieldName(to));
    s.present = present;
    s.known = !present || fromFile;
    if (fromFile) {
        s.size = raw.size;
        if (raw.size > 0)
            s.text = QByteArray(reinterpret_cast<const char *>(raw.data), raw.size);
        else
            s.text.clear();
    }
}

void TKeptFill::setInt(TValue &record, int n, const QString &name, qint64 value)
{
    Slot &s = slot(n);
    if (holds(s, value))
        return;
    record.setInt(name, value);
    s.known = true;
    s.present = true;
    s.number = value;
}

void TKeptFill::setBool(TValue &record, int n, const QString &name, bool value)
{
    Slot &s = slot(n);
    if (holds(s, value ? 1 : 0))
        return;
    record.setBool(name, value);
    s.known = true;
    s.present = true;
    s.number = value ? 1 : 0;
}

void TKeptFill::finish(const TValue &record)
{
    m_last = record;
    m_hasLast = true;
}

} // namespace PosLib
