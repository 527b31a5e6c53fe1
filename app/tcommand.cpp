#include "tcommand.h"

#include "cliutil.h"

namespace {

constexpr int HelpWidth = 79;
constexpr int OptionColumn = 26;

// "--data DIR", "-h, --help"
QString optionSyntax(const TCommandOption &option)
{
    QStringList names;
    for (const QString &name : option.names)
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString text = names.join(QStringLiteral(", "));
    if (!option.valueName.isEmpty())
        text += QLatin1Char(' ') + option.valueName;
    return text;
}

QString optionLine(const QString &syntax, const QString &description)
{
    QString head = QStringLiteral("  ") + syntax;
    QString text;
    if (head.size() + 2 > OptionColumn) {
        text = head + QLatin1Char('\n');
        head.clear();
    }
    text += head.leftJustified(OptionColumn)
            + wrapText(description, HelpWidth - OptionColumn, OptionColumn);
    return text + QLatin1Char('\n');
}

} // namespace

QString languageHelp()
{
    return TCli::tr("Messages, help and reports in German (de) or English (en); without it, "
                    "the language that LC_ALL, LC_MESSAGES or LANG names, else the \"language\" "
                    "of the installation's etc/globals.ini, else English.");
}

QString wrapText(const QString &text, int width, int indent)
{
    const QString pad(indent, QLatin1Char(' '));
    QString out;
    bool first = true;
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (const QString &paragraph : paragraphs) {
        // a paragraph that starts with blanks (an example) keeps them on
        // every line
        int lead = 0;
        while (lead < paragraph.size() && paragraph.at(lead) == QLatin1Char(' '))
            ++lead;
        QStringList lines;
        QString line(lead, QLatin1Char(' '));
        const QStringList words = paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString &word : words) {
            if (line.size() > lead && line.size() + 1 + word.size() > width) {
                lines << line;
                line = QString(lead, QLatin1Char(' '));
            }
            if (line.size() > lead)
                line += QLatin1Char(' ');
            line += word;
        }
        lines << (line.trimmed().isEmpty() ? QString() : line);
        for (const QString &l : std::as_const(lines)) {
            if (!first)
                out += QLatin1Char('\n') + (l.isEmpty() ? QString() : pad);
            out += l;
            first = false;
        }
    }
    return out;
}

QString TCommand::usage() const
{
    QString line = QStringLiteral("veltrum ") + name;
    bool optional = false;
    for (const TCommandOption &option : options) {
        if (!option.required) {
            optional = true;
            continue;
        }
        line += QStringLiteral(" --") + option.names.constLast();
        if (!option.valueName.isEmpty())
            line += QLatin1Char(' ') + option.valueName;
    }
    if (optional)
        line += QStringLiteral(" [OPTIONS]");
    if (!arguments.isEmpty())
        line += QLatin1Char(' ') + arguments;
    return line;
}

QString TCommand::help() const
{
    QString text = TCli::tr("Usage: %1\n").arg(usage());
    for (const QString &more : moreUsage)
        text += QStringLiteral("       veltrum %1 %2\n").arg(name, more);
    if (!description.isEmpty()) {
        const QStringList paragraphs = description.split(QStringLiteral("\n\n"));
        for (const QString &paragraph : paragraphs)
            text += QLatin1Char('\n') + wrapText(paragraph, HelpWidth, 0) + QLatin1Char('\n');
    }
    text += QLatin1Char('\n') + TCli::tr("Options:") + QLatin1Char('\n');
    for (const TCommandOption &option : options)
        text += optionLine(optionSyntax(option), option.description);
    text += optionLine(
            QStringLiteral("--log FILE"),
            TCli::tr("Append the program's log to FILE (level ERROR unless KORVAL_LOGLEVEL "
                     "names another): the causes of failures, with their source positions."));
    text += optionLine(QStringLiteral("--lang de|en"), languageHelp());
    text += optionLine(QStringLiteral("-h, --help"), TCli::tr("Show this help."));
    if (!exitCodes.isEmpty()) {
        text += QLatin1Char('\n') + TCli::tr("Exit codes:") + QLatin1Char('\n');
        for (const TExitCode &exit : exitCodes)
            text += QStringLiteral("  %1  ").arg(exit.code, 3)
                    + wrapText(exit.meaning, HelpWidth - 7, 7) + QLatin1Char('\n');
    }
    return text;
}

int TCommand::minArguments() const
{
    int count = 0;
    for (const QString &word : arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!word.startsWith(QLatin1Char('[')))
            ++count;
    }
    return count;
}

int TCommand::maxArguments() const
{
    if (arguments.contains(QStringLiteral("...")))
        return -1;
    return int(arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
}
