#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// A configuration file of the timers in /etc/veltrum: "[name]" starts a
// section, "key = value" sets a key of it, lines starting with "#" or ";"
// and blank lines are comments. Keys compare as written; a key given twice
// in a section, a line that is neither, and a key that the reader does not
// know are errors naming the file and the line, so that a typing mistake
// never passes silently.
class TConfigFile
{
public:
    struct Entry
    {
        QString key;
        QString value;
        int line = 0;
    };
    struct Section
    {
        QString name;
        int line = 0;
        QList<Entry> entries;

        const Entry *find(const QString &key) const;
        QString value(const QString &key, const QString &fallback = QString()) const;
    };

    // Reads `path`; false with `error` ("FILE: reason" or "FILE:LINE:
    // reason") when it cannot be read or is malformed.
    bool read(const QString &path, QString *error);
    // The same from text, named `path` in messages.
    bool parse(const QByteArray &text, const QString &path, QString *error);

    QString path() const { return m_path; }
    const QList<Section> &sections() const { return m_sections; }
    // The first section of that name; null when there is none.
    const Section *section(const QString &name) const;

    // "FILE:LINE: text", as every message about the file reads.
    QString at(int line, const QString &text) const;
    // An error for the first key of `section` that is not in `known`;
    // empty when all are known.
    QString unknownKey(const Section &section, const QStringList &known) const;

private:
    QString m_path;
    QList<Section> m_sections;
};

// Splits "a, b,c" into its trimmed, non-empty items.
QStringList configList(const QString &value);
