#include "tdatevalidator.h"

#include "tlocaltext.h"

#include <QRegularExpression>

namespace QtWidgets {

TDateValidator::TDateValidator(QObject *parent)
    : QValidator(parent)
{ }

TDateValidator::~TDateValidator() = default;

QString TDateValidator::textOf(const QDate &date)
{
    return date.isValid() ? date.toString(Basics::typedDatePattern()) : QString();
}

QDate TDateValidator::dateOf(const QString &text) const
{
    static const QRegularExpression form(
            QStringLiteral("^\\s*(\\d{1,2})[./-](\\d{1,2})[./-]?(\\d{2}|\\d{4})?\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return QDate();
    int year = m_year > 0 ? m_year : QDate::currentDate().year();
    const QString yearText = match.captured(3);
    if (yearText.size() == 4)
        year = yearText.toInt();
    else if (yearText.size() == 2)
        year = 2000 + yearText.toInt();
    return QDate(year, match.captured(2).toInt(), match.captured(1).toInt());
}

QValidator::State TDateValidator::validate(QString &input, int &) const
{
    static const QRegularExpression complete(
            QStringLiteral("^\\s*\\d{1,2}[./-]\\d{1,2}[./-]\\d{4}\\s*$"));
    static const QRegularExpression partial(
            QStringLiteral("^\\s*\\d{0,2}([./-]\\d{0,2}([./-]\\d{0,4})?)?\\s*$"));
    if (complete.match(input).hasMatch())
        return dateOf(input).isValid() ? Acceptable : Intermediate;
    if (!partial.match(input).hasMatch())
        return Invalid;
    // A day or month that can never become valid is refused at once.
    static const QRegularExpression separator(QStringLiteral("[./-]"));
    const QStringList parts = input.trimmed().split(separator);
    if (!parts.value(0).isEmpty()
        && (parts[0].toInt() > 31 || (parts[0].size() == 2 && parts[0].toInt() == 0)))
        return Invalid;
    if (parts.size() > 1 && !parts[1].isEmpty()
        && (parts[1].toInt() > 12 || (parts[1].size() == 2 && parts[1].toInt() == 0)))
        return Invalid;
    return Intermediate;
}

void TDateValidator::fixup(QString &input) const
{
    const QDate date = dateOf(input);
    if (date.isValid())
        input = textOf(date);
}

} // namespace QtWidgets
