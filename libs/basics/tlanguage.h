#pragma once

#include <QString>
#include <QStringList>

namespace Basics {

// The languages the texts come in: English, the language of the source
// texts, and German. A language is named by its code, "en" or "de".
//
// Which one a program speaks is the first of these that names one:
//   1. the program's own choice (--lang, the back office's language menu);
//   2. the environment: the first of LC_ALL, LC_MESSAGES and LANG that is
//      set and not empty ("de_DE.UTF-8" German, "en_GB" or "fr_FR"
//      English; "C" and "POSIX" name no language);
//   3. the installation: "language" in section "Settings" of its
//      "etc/globals.ini";
//   4. English.

// "en" and "de".
QStringList availableLanguages();

// The language a locale or language name stands for: "de" for German
// ("de", "de_AT.UTF-8", "Deutsch"), "en" for any other language, empty for
// an empty name and for "C" and "POSIX" (with or without an encoding).
QString languageOfLocale(const QString &name);

// The language the environment names (step 2 above); empty when it names
// none.
QString environmentLanguage();

// The first of `candidates` that is not empty, English when all are.
QString chooseLanguage(const QStringList &candidates);

} // namespace Basics
