#pragma once

#include <QDate>
#include <QValidator>

namespace QtWidgets {

// Accepts dates typed day first as "d.M.yyyy", "d/M/yyyy" or "d-M-yyyy".
// While typing, digits and up to two separators are intermediate; a day and month without a year,
// or with a two-digit year, are completed by fixup() ("5.3." becomes 05.03. of the current year,
// "5.3.14" 05.03.2014). Days that do not exist (31.04.) are refused.
class TDateValidator : public QValidator
{
    Q_OBJECT
public:
    explicit TDateValidator(QObject *parent = nullptr);
    ~TDateValidator() override;

    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

    // The date of a text in any form that fixup() completes; null when none.
    QDate dateOf(const QString &text) const;
    // "dd.MM.yyyy" in German, "dd/MM/yyyy" in English (Basics::typedDatePattern).
    static QString textOf(const QDate &date);

    // The year taken for texts without one; the current year by default.
    void setDefaultYear(int year) { m_year = year; }

private:
    int m_year = 0;
};

} // namespace QtWidgets
