#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <vector>

namespace PosLib {

// Numbers for the texts that day aggregates are written with, kept from day
// to day by a worker that writes one day after another: a text is looked up
// by its characters the first time, later by the address of its data, so
// that the texts of leaves kept from day to day (names, keys, fields) cost
// a look at one slot. A number stays the text's until clear().
class TTextNumbers
{
public:
    // `recent`: how many texts are remembered by their address
    explicit TTextNumbers(size_t recent = 1024);

    // The number of `text`, added when new; not for a null text (its own
    // entry in a day's table).
    quint32 number(const QString &text)
    {
        const void *data = text.constData();
        const Recent &recent = m_recent[(quintptr(data) >> 4) & m_mask];
        if (recent.data == data && recent.size == text.size())
            return recent.number;
        return lookUp(text);
    }
    const QString &text(quint32 number) const { return m_texts.at(qsizetype(number)); }
    quint32 count() const { return quint32(m_texts.size()); }
    // Forgets every text (the numbers start anew) when more than `limit`
    // are kept: a worker's texts grow with every day that brings new ones.
    void trim(quint32 limit);

private:
    quint32 lookUp(const QString &text);

    // a text by the address of its data: copies of a text share it, and
    // the copy held here keeps the data from being freed and reused (a text
    // is never changed in place while it is shared)
    struct Recent
    {
        const void *data = nullptr;
        qsizetype size = 0;
        quint32 number = 0;
        QString held;
    };
    std::vector<Recent> m_recent;
    size_t m_mask;
    QHash<QString, quint32> m_numbers;
    QList<QString> m_texts;
};

} // namespace PosLib
