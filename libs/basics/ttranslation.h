#pragma once

#include <QString>

#include <memory>

class QTranslator;

namespace Basics {

// The catalogues a program shows its texts from. Setting a language
// installs into the application the catalogue "veltrum_<code>.qm" of the
// "translations" folder beside the program and Qt's own catalogue of that
// language (standard buttons, file dialogs), in place of the ones installed
// before, and makes the language's locale the default one, so that day and
// month names follow it. Amounts are not formatted through the locale: they
// keep the separators of their currency.
class TTranslation
{
public:
    TTranslation();
    ~TTranslation();
    TTranslation(const TTranslation &) = delete;
    TTranslation &operator=(const TTranslation &) = delete;

    // The folder the program's catalogues are read from.
    static QString directory();

    // Installs the language ("en" or "de"). False when it is no available
    // language or its catalogue cannot be read; the source texts (English)
    // are shown then, and language() is "en".
    bool setLanguage(const QString &code);
    QString language() const { return m_language; }

private:
    void remove();

    std::unique_ptr<QTranslator> m_texts;
    std::unique_ptr<QTranslator> m_qt;
    QString m_language = QStringLiteral("en");
};

} // namespace Basics
