#pragma once

#include <QHash>
#include <QList>
#include <QString>

namespace PosLib {

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
    const QString &text(quint32 id) const { return m_texts.at(qsizetype(id)); }
    int size() const { return int(m_texts.size()); }

private:
    QHash<QString, quint32> m_ids;
    QList<QString> m_texts;
};

} // namespace PosLib
