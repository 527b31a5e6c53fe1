#pragma once

#include <QString>
#include <QStringList>

// The language the command line speaks, chosen before the command is
// built, so that its help and messages are in it as well as its reports:
// --lang de|en, the option every command takes (wherever it stands), else
// the environment (LC_ALL, LC_MESSAGES, LANG), else the "language" of the
// installation that --data names (section "Settings" of its
// etc/globals.ini), else English.
struct TLanguageChoice
{
    QString language; // "de" or "en"
    QStringList args; // the arguments without --lang and its value
    QString badValue; // a --lang value that names no language; null when none
    bool repeated = false; // --lang was given more than once

    // `args` without the program's name.
    static TLanguageChoice of(const QStringList &args);
    // What is wrong with --lang, in the chosen language; empty when nothing.
    QString error() const;
};
