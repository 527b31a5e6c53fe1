#pragma once

#include "tcurrencies.h"
#include "tsummarytext.h"

#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>
#include <QVarLengthArray>

#include <algorithm>
#include <iterator>

namespace PosLib {

// One line of a report built field by field in place, made a text once
// when it is complete: the table report writes hundreds of thousands of
// them, and a text grown a character at a time costs more than the rest.
class TLineText
{
public:
    void clear() { m_chars.clear(); }

    void append(char16_t c) { m_chars.append(c); }
    void append(QStringView text)
    {
        m_chars.append(reinterpret_cast<const char16_t *>(text.utf16()), text.size());
    }
    void append(QLatin1StringView text)
    {
        for (char c : text)
            m_chars.append(char16_t(uchar(c)));
    }
    // `count` blanks
    void pad(qsizetype count)
    {
        for (qsizetype i = 0; i < count; ++i)
            m_chars.append(u' ');
    }
    // `text` with blanks in front to `width` characters, as
    // text.rightJustified(width) (a longer text whole)
    void appendRight(QStringView text, qsizetype width)
    {
        pad(width - text.size());
        append(text);
    }
    // `value` (0 to 999) with zeros in front to three places
    void appendThreeDigits(int value)
    {
        m_chars.append(char16_t(u'0' + value / 100));
        m_chars.append(char16_t(u'0' + value / 10 % 10));
        m_chars.append(char16_t(u'0' + value % 10));
    }
    // an amount in cents as `amounts` writes it, right-aligned to `width`
    void appendAmountRight(const TPlainAmounts &amounts, long amount, qsizetype width)
    {
        char16_t digits[64];
        if (amounts.maxTextLength() > qsizetype(std::size(digits))) {
            appendRight(amounts.text(amount), width);
            return;
        }
        const qsizetype length = amounts.writeText(digits, amount);
        pad(width - length);
        m_chars.append(digits, length);
    }
    // a valid time as "hh:mm:ss" (what QTime::toString gives for it), nothing
    // for an invalid one; right-aligned to 8 places either way
    void appendTimeRight(const QTime &t)
    {
        if (!t.isValid()) {
            pad(8);
            return;
        }
        const int h = t.hour();
        const int m = t.minute();
        const int s = t.second();
        const char16_t text[8] = {char16_t(u'0' + h / 10), char16_t(u'0' + h % 10), u':',
                                  char16_t(u'0' + m / 10), char16_t(u'0' + m % 10), u':',
                                  char16_t(u'0' + s / 10), char16_t(u'0' + s % 10)};
        m_chars.append(text, 8);
    }

    qsizetype size() const { return m_chars.size(); }
    // The line as a text, valid until the next call: one kept text whose
    // room serves every line not held on to meanwhile.
    const QString &text()
    {
        m_text.resize(m_chars.size());
        std::copy_n(m_chars.constData(), m_chars.size(),
                    reinterpret_cast<char16_t *>(m_text.data()));
        return m_text;
    }

private:
    QVarLengthArray<char16_t, 160> m_chars;
    QString m_text;
};

// The "dd.MM.yy" text of dates, remembering the last one asked for: the
// lines of a report come day after day.
class TDayTexts
{
public:
    const QString &text(const QDate &date)
    {
        if (!m_known || date != m_date) {
            m_text = SummaryText::dayText(date);
            m_date = date;
            m_known = true;
        }
        return m_text;
    }

private:
    QDate m_date;
    QString m_text;
    bool m_known = false;
};

} // namespace PosLib
