#pragma once

#include <QApplication>

class QTranslator;

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

    QString language() const { return m_language; }
    // Loads "veltrum_<code>.qm" from the "translations" folder beside the
    // program (when there is one) and emits lngChanged(). An empty code
    // means the untranslated texts.
    void setLanguage(const QString &code);

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
    QTranslator *m_translator = nullptr;
    QString m_language;
    int m_dayOffset = 0;
};
