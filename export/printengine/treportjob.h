#pragma once

#include "treporttemplate.h"

#include <QHash>
#include <QList>
#include <QString>

namespace PrintEngine {

// Reads a language file of a design: UTF-8 lines "key = text"; lines
// starting with ";" or "#" and section headers "[…]" are skipped, "\n" in
// a text is a line break. A missing file gives no texts.
QHash<QString, QString> readLanguageFile(const QString &fileName);

// One print job: a design opened from its file, the values of its
// parameter fields, where its lists are, and what it rendered.
class TReportJob
{
public:
    struct Field
    {
        QString name;
        QString defaultValue;
        QString currentValue;
        bool set = false;
    };

    // Reads and parses the design; false with errorText().
    bool open(const QString &fileName);

    QString fileName() const { return m_fileName; }
    const QList<Field> &fields() const { return m_fields; }
    // Sets the current value of field `n`; false when there is none.
    bool setField(int n, const QString &value);

    // The lists' directory: the design's own until set.
    QString dataDirectory() const { return m_dataDirectory; }
    void setDataDirectory(const QString &directory) { m_dataDirectory = directory; }
    void setLanguageFiles(const QString &file, const QString &defaultFile);

    // Reads the lists the design may use and renders the three parts;
    // false with errorText() when a list cannot be read.
    bool start();
    bool started() const { return m_started; }
    QString body() const { return m_body; }
    QString pageHeader() const { return m_pageHeader; }
    QString pageFooter() const { return m_pageFooter; }

    QString errorText() const { return m_error; }

    // The intermediate lists a design can use.
    static QStringList listNames();

private:
    QString m_fileName;
    TReportTemplate m_template;
    QList<Field> m_fields;
    QString m_dataDirectory;
    QString m_languageFile;
    QString m_defaultLanguageFile;
    bool m_started = false;
    QString m_body;
    QString m_pageHeader;
    QString m_pageFooter;
    QString m_error;
};

} // namespace PrintEngine
