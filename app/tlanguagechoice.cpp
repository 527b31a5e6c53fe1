#include "tlanguagechoice.h"

#include "cliutil.h"
#include "tinstallation.h"
#include "tlanguage.h"

#include <QDir>

namespace {

// The value of --NAME ("--NAME VALUE" or "--NAME=VALUE"), null when it is
// not given; `at` and `words` tell where it stands.
QString optionValue(const QStringList &args, const QString &name, qsizetype *at = nullptr,
                    int *words = nullptr)
{
    const QString option = QStringLiteral("--") + name;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        int taken = 0;
        QString value;
        if (arg == option) {
            taken = 2;
            value = i + 1 < args.size() ? args.at(i + 1) : QStringLiteral("");
        } else if (arg.startsWith(option + QLatin1Char('='))) {
            taken = 1;
            value = arg.mid(option.size() + 1);
        } else {
            continue;
        }
        if (at)
            *at = i;
        if (words)
            *words = taken;
        return value;
    }
    return QString();
}

} // namespace

TLanguageChoice TLanguageChoice::of(const QStringList &args)
{
    TLanguageChoice choice;
    choice.args = args;
    QString asked;
    qsizetype at = -1;
    int words = 0;
    for (int count = 0;; ++count) {
        const QString value = optionValue(choice.args, QStringLiteral("lang"), &at, &words);
        if (value.isNull())
            break;
        choice.args.remove(at, qMin<qsizetype>(words, choice.args.size() - at));
        choice.repeated = choice.repeated || count > 0;
        if (Basics::availableLanguages().contains(value))
            asked = value;
        else if (choice.badValue.isNull())
            choice.badValue = value;
    }
    QString installation;
    const QString data = optionValue(choice.args, QStringLiteral("data"));
    if (!data.isEmpty())
        installation = PosLib::installationLanguage(
                QDir(data).filePath(QStringLiteral("etc/globals.ini")));
    choice.language = Basics::chooseLanguage({asked, Basics::environmentLanguage(), installation});
    return choice;
}

QString TLanguageChoice::error() const
{
    if (!badValue.isNull())
        return TCli::tr("bad value '%1' for --lang (de|en)").arg(badValue);
    if (repeated)
        return TCli::tr("--lang is given more than once");
    return QString();
}
