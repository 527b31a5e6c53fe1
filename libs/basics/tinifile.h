#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include "tvalue.h"

namespace Basics {

// An INI file held line by line, so that writing a value back changes only
// the line of that value and keeps comments, blank lines and order.
//
// Lines, after skipping leading blanks and tabs:
//   "#...<name>..."  include line: the file "name" is read in place, its
//                    entries can be looked up but are never written back
//   "[name]..."      section header; names compare case-insensitively
//   ";..."           comment
//   "<..." or "[..." without "]"  kept for writing, forms no entry
//   anything else    entry line "key = value" (also blank lines)
// Lines before the first header belong to no section.
//
// Every failure is thrown as TInifileError (501-511); a missing file is no
// error and reads as empty.
class TInifile
{
public:
    // One line of text. `own` is false for lines that came from an included
    // file: those are never written.
    struct Line
    {
        QString text;
        bool own = true;
    };

    // The value of one line: its type tag (TypeText for everything read from
    // a file) and its text.
    struct Entry
    {
        Line *line = nullptr;
        qint32 type = TypeText;
        QString text;
        bool comment = false;

        // The part of the line before the first "=", stripped; null when
        // the line has no "=".
        QString key() const;
    };

    class Section
    {
    public:
        Section(const QString &name, Line *header, QList<Line *> *lines);
        ~Section();
        Section(const Section &) = delete;
        Section &operator=(const Section &) = delete;

        QString name() const { return m_name; }
        Line *header() const { return m_header; }

        // The first entry whose key matches, ignoring case and surrounding
        // blanks; null when there is none.
        Entry *find(const QString &key) const;
        // Entries in file order without the comment lines.
        QList<Entry *> entries() const;
        // Keys of those entries that have one, in file order.
        QStringList keys() const;

        // Takes an entry for the line; throws 503 for a null line.
        Entry *addEntry(Line *line, bool comment = false);
        // Inserts a new own line "key" right below the header and an entry
        // for it. Several new keys therefore end up in reverse order of
        // their creation, above the older lines of the section.
        Entry *insertEntry(const QString &key);

    private:
        QString m_name;
        Line *m_header;
        QList<Line *> *m_lines; // the file's lines, owned by the TInifile
        QList<Entry *> m_entries; // owned
    };

    explicit TInifile(const char *fileName);
    explicit TInifile(const QString &fileName);
    ~TInifile();
    TInifile(const TInifile &) = delete;
    TInifile &operator=(const TInifile &) = delete;

    // Parses a file into this object and remembers its name for write().
    // Throws 501 for a null name; 510/511 for headers and includes whose
    // brackets cannot be found. Include names that are relative and do not
    // exist relative to the working directory are looked up in the
    // including file's directory; "\" in them also matches "/".
    void read(const QString &fileName, bool own = true);

    // Writes every own line followed by "\r\n": UTF-16 with a byte-order
    // mark in the machine's byte order, or 8-bit locale text when the
    // Unicode output is switched off. A null name means the name last read;
    // an empty one throws 502. The file is replaced as a whole: the text is
    // written to a temporary next to it, synced and renamed into place.
    void write(const QString &fileName = QString());

    // The stored type and text, or `def` when the section or key is missing.
    TValueField readEntry(const QString &section, const QString &key,
                          const TValueField &def = TValueField()) const;
    // Stores the value, creating the section (at the end of the file) and
    // the key (right below the header) when they are missing. The line
    // becomes "key = value".
    void writeEntry(const TValueField &value, const QString &section, const QString &key);

    QString readString(const QString &section, const QString &key,
                       const QString &def = QString()) const;
    // Unparsable text reads as 0.
    qint64 readInt(const QString &section, const QString &key, qint64 def = 0) const;
    // True for "yes", "true", "on" (any case) or 1.
    bool readBool(const QString &section, const QString &key, bool def = false) const;
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInt(const QString &section, const QString &key, qint64 value);
    void writeBool(const QString &section, const QString &key, bool value);

    // The section of that name (any case), null when missing.
    Section *section(const QString &name) const;
    // The existing section, or a new one whose header line "[name]" is
    // appended at the end of the file.
    Section *addSection(const QString &name);
    // Sections in the order they first appeared.
    QList<Section *> sections() const { return m_order; }

    const QList<Line *> &lines() const { return m_lines; }
    QString fileName() const { return m_fileName; }

    // Switches the output from UTF-16 to 8-bit locale text.
    bool noUnicode() const { return m_noUnicode; }
    void setNoUnicode(bool off) { m_noUnicode = off; }

private:
    void parse(const QString &fileName, bool own, QSet<QString> &reading);
    void freeAll();
    QString includePath(const QString &name, const QString &including) const;

    QHash<QString, Section *> m_sections; // by lowercased name, owned
    QList<Section *> m_order;
    QList<Line *> m_lines; // owned
    QString m_fileName;
    bool m_noUnicode = false;
};

} // namespace Basics
