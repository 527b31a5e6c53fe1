#include "tlanguage.h"

namespace Basics {

QStringList availableLanguages()
{
    return {QStringLiteral("en"), QStringLiteral("de")};
}

QString languageOfLocale(const QString &name)
{
    // "de_DE.UTF-8@euro": the language stands before the territory, the
    // encoding and the modifier
    QString language = name.trimmed().toLower();
    for (const QChar separator : {QLatin1Char('_'), QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype at = language.indexOf(separator);
        if (at >= 0)
            language.truncate(at);
    }
    if (language.isEmpty() || language == QLatin1String("c") || language == QLatin1String("posix"))
        return QString();
    return language.startsWith(QLatin1String("de")) ? QStringLiteral("de") : QStringLiteral("en");
}

QString environmentLanguage()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return languageOfLocale(value);
    }
    return QString();
}

QString chooseLanguage(const QStringList &candidates)
{
    for (const QString &candidate : candidates)
        if (!candidate.isEmpty())
            return candidate;
    return QStringLiteral("en");
}

} // namespace Basics
