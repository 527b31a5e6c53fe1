#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <vector>

namespace PosLib {

class TAggregateReader;

// Texts that repeat, kept once and named by a small number: what the
// compact rows of record nodes hold instead of texts. Number 0 stands for
// "no such field", 1 for a null text.
class TTextPool
{
public:
    TTextPool();

    static constexpr quint32 Absent = 0;
    static constexpr quint32 Null = 1;

    quint32 id(const QString &text);
    // The number of the next text of a day aggregate being read; each text
    // of the reader's table is looked up once. Absent when it cannot be
    // read.
    quint32 id(TAggregateReader &in);
    const QString &text(quint32 id) const { return m_texts.at(qsizetype(id)); }
    int size() const { return int(m_texts.size()); }

private:
    QHash<QString, quint32> m_ids;
    QList<QString> m_texts;
    // the numbers here of the texts of the reader read last, by their
    // numbers there: valid where the entry's turn is the reader's (each
    // reader has a turn of its own, so that no entry is cleared for it)
    struct Read
    {
        quint32 turn = 0;
        quint32 id = Absent;
    };
    quint64 m_reader = 0;
    quint32 m_turn = 0;
    std::vector<Read> m_read;
};

} // namespace PosLib
