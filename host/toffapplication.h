#pragma once

#include <QApplication>

#include <memory>

namespace Basics {
class TTranslation;
}

// The back-office application object. It announces language changes to
// everything that shows texts (lngChanged()) and keeps the current start
// of the gastronomic day.
class TOffApplication : public QApplication
{
    Q_OBJECT
public:
    TOffApplication(int &argc, char **argv);
    ~TOffApplication() override;

    // The running application, null when the process has another one.
    static TOffApplication *instance();

    // "de" or "en".
    QString language() const;
    // Shows every text in the language ("de" or "en"; anything else is
    // English): installs its catalogues (Basics::TTranslation) and emits
    // lngChanged(), on which everything that shows texts sets them again.
    void setLanguage(const QString &code);
    // The language the back office starts in: `asked` (--lang), else
    // `configured` (the choice of the language menu), else the language
    // the environment names, else the installation's at `basePath`, else
    // English (Basics::chooseLanguage).
    static QString startLanguage(const QString &asked, const QString &configured,
                                 const QString &basePath);

    // Start of the gastronomic day as hours * 100 + minutes.
    int dayOffset() const { return m_dayOffset; }
    // Takes a new start of the day; dayOffsetChanged() when it differs.
    void setDayOffset(int value);
    // Reads the start of the day from the installation's "globals.ini"
    // ("dayoffs" in "Settings"; missing or unreadable: 0).
    void loadDayOffset(const QString &basePath);
    // The installation-wide settings file of the installation at
    // `basePath`: its "etc/globals.ini".
    static QString globalsFile(const QString &basePath);

Q_SIGNALS:
    void lngChanged();
    void dayOffsetChanged(int value);
    // The back-office configuration was written (TOffConfig::write):
    // whoever keeps defaults or rights from it reads them again.
    void configChanged();

private:
    std::unique_ptr<Basics::TTranslation> m_translation;
    int m_dayOffset = 0;
};
