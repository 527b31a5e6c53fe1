#pragma once

#include "tfieldmap.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTime>

class QDomDocument;
class QDomElement;
class QDomNode;
class QTextStream;

namespace Basics {

// Type tags of a field. Only kept in memory: a field read from a file or
// from XML always carries Text.
enum TValueType {
    TypeInteger = 2,
    TypeBoolean = 5,
    TypeDecimal = 6,
    TypeText = 7,
    TypeDateTime = 9,
};

struct TValueField
{
    TValueField() = default;
    TValueField(qint32 t, const QString &s)
        : type(t)
        , text(s)
    { }

    qint32 type = TypeText;
    QString text;

    bool operator==(const TValueField &o) const { return type == o.type && text == o.text; }
};

// Text forms shared by records and INI files.
QString integerText(qint64 value);
QString decimalText(double value); // five decimals: 12.5 -> "12.50000"
QString booleanText(bool value); // "yes" / "no"
qint64 parseInteger(const QString &text); // unparsable -> 0
double parseDecimal(const QString &text); // unparsable -> 0
bool parseBoolean(const QString &text); // "yes", "true", "on" (any case) or 1

// A flat record of named text fields, ordered by name. Copies share their
// fields until one of them is changed.
class TValue
{
public:
    using Fields = TFieldMap<TValueField>;

    TValue() = default;
    TValue(const TValue &) = default;
    TValue &operator=(const TValue &) = default;
    virtual ~TValue();

    virtual int id() const;
    virtual void setId(int id);

    bool has(const QString &name) const { return m_fields.contains(name); }
    TValueField get(const QString &name, const TValueField &def = TValueField()) const;

    QString getString(const QString &name, const QString &def = QString()) const;
    int getInt(const QString &name, int def = 0) const;
    qint64 getLong(const QString &name, qint64 def = 0) const;
    double getDouble(const QString &name, double def = 0.0) const;
    bool getBool(const QString &name, bool def = false) const;
    QDate getDate(const QString &name) const; // null when missing
    QTime getTime(const QString &name) const; // null when missing
    QDateTime getDateTime(const QString &name) const;

    void set(const QString &name, const TValueField &field);
    void set(const QString &name, qint32 type, const QString &text);
    void setString(const QString &name, const QString &text);
    void setInt(const QString &name, qint64 value);
    void setDouble(const QString &name, double value);
    void setBool(const QString &name, bool value);
    void setDate(const QString &name, const QDate &value);
    void setTime(const QString &name, const QTime &value);
    void setDateTime(const QString &name, const QDateTime &value);
    // Adds a field known to sort after every field the record has (as a
    // file's records store them); falls back to set() otherwise.
    void append(const QString &name, const QString &text);
    void remove(const QString &name);
    void clear();
    // Makes room for `count` fields (a record about to be read).
    void reserve(int count) { m_fields.reserve(count); }

    // Text of "name"; null when absent. An empty name removes the field.
    QString name() const;
    void setName(const QString &name);

    const Fields &fields() const { return m_fields; }
    int count() const { return int(m_fields.size()); }
    bool isEmpty() const { return m_fields.isEmpty(); }

    bool operator==(const TValue &o) const { return m_fields == o.m_fields; }

    // Grows with every change of the fields, so that derived values can be
    // cached and recomputed only when the record changed.
    quint32 version() const { return m_version; }

private:
    Fields m_fields;
    quint32 m_version = 0;
};

class TNValue : public TValue
{
public:
    using TValue::TValue;
    ~TNValue() override;
    int id() const override;
    void setId(int id) override;
};

// A list of records keyed by their "id", stored as a ".dat" file.
class TValueList : public QObject
{
    Q_OBJECT
public:
    // Results of load() and parseData().
    enum LoadResult {
        Loaded = 0,
        NoFile = 7, // the list is empty then
        DataCutShort = 304, // the data ended inside a record
    };

    explicit TValueList(bool autoDelete = true, QObject *parent = nullptr);
    ~TValueList() override;

    virtual QString listName() const;
    virtual QString fileName() const;
    virtual QString elementName() const;
    virtual QString dataDir() const;
    virtual TValue *newValue();
    virtual TValue *find(int id) const;
    virtual void append(TValue *value);
    virtual void insert(TValue *value);
    virtual void insertOrUpdate(TValue *value);
    virtual TValue *take(TValue *value);
    virtual bool remove(TValue *value);
    virtual void update(TValue *value);
    // A LoadResult. Throws TError (code 5) on an absurd field count,
    // TFileError when the file cannot be opened.
    virtual int load(const QString &dir, const QString &file);
    virtual int load(const char *basePath);
    // Writes file + ".new", keeps the previous file as ".old" (a hard
    // link), then renames ".new" over the file (TSaveFile). Throws
    // TFileError; the file is never touched before the new one is
    // complete on disk, and its name is never missing.
    virtual void save(const QString &dir, const QString &file);
    virtual void save(const char *basePath);
    virtual void importXml(const QDomElement &list);
    virtual void exportXml(QDomDocument &doc, QDomNode &parent);
    virtual void exportText(QTextStream &stream, const QStringList &keys);
    virtual bool readValueXml(TValue *value, const QDomElement &element);
    virtual void writeValueXml(TValue *value, QDomDocument &doc, QDomElement &element);

    bool autoDelete() const { return m_autoDelete; }
    int count() const { return int(m_values.size()); }
    bool isEmpty() const { return m_values.isEmpty(); }
    int nextId() const { return m_nextId; }
    // Drops every record (deleting them when the list auto-deletes) and
    // starts ids at 1 again.
    void clear();
    // Records in ascending id order.
    QList<TValue *> values() const { return m_values.values(); }
    QList<int> ids() const { return m_values.keys(); }
    // The records by id, for walking a list without copying it.
    const QMap<int, TValue *> &valueMap() const { return m_values; }

    // The file form without touching the disk: parse or produce the bytes
    // of a ".dat" file. parseData returns Loaded or DataCutShort (also for
    // compressed data that claims an absurd size) and throws like load.
    int parseData(const QByteArray &data);
    QByteArray toData() const;

    // The path that load and save with a base path use.
    QString filePath(const char *basePath) const;

Q_SIGNALS:
    void importCount(int count);
    void importStep(int step);
    void exportCount(int count);
    void exportStep(int step);
    void inserted(Basics::TValue *value);
    void removed(Basics::TValue *value);
    void changed(Basics::TValue *value);

private:
    void store(TValue *value);

    QMap<int, TValue *> m_values;
    qint32 m_nextId = 1;
    bool m_autoDelete;
};

// Sorts records for printing: mode 1 numeric, 2 date and time (sort key a
// date, second key a time), anything else text.
class TValueSort : public QList<TValue *>
{
public:
    TValueSort() = default;
    TValueSort(const QString &key, int mode, bool flag, const QString &secondKey = QString());

    QString key;
    QString secondKey;
    int mode = 0;
    bool flag = false;

    // <0 when a sorts before b, 0 when equal, >0 after.
    virtual int compareItems(const TValue *a, const TValue *b) const;
    void sort();

    virtual ~TValueSort() = default;
};

// Escapes text for XML output: "<", quotes and "&" always, ">" after "]]",
// characters that XML cannot hold as numeric references.
QString escapeXml(const QString &text);

// Decompresses the variant of a ".dat" file written with a trailing 0xFF
// marker, when "POS_COMPRESS" holds a true value. Returns the data as is
// otherwise. Sets `*corrupt` (when given) and returns nothing when the
// compressed data claims more than it can hold: more than
// MaxUncompressedSize, or more than MaxCompressionRatio times its own size.
QByteArray uncompressIfMarked(const QByteArray &data, bool *corrupt = nullptr);
bool compressionEnabled();

// Element levels of a list's XML: the list, its records, their fields.
constexpr int MaxValueXmlDepth = 3;
// Parses the XML form of a list into `doc`. Refuses, before the DOM is
// built, elements nested deeper than MaxValueXmlDepth (a list cannot hold
// them, and a deep enough nesting keeps the DOM parser busy for minutes).
// On failure returns false with the message and, where known, the line and
// column.
bool parseListXml(const QByteArray &xml, QDomDocument &doc, QString *message, int *line,
                  int *column);
constexpr qint64 MaxUncompressedSize = qint64(256) * 1024 * 1024;
// zlib's own limit is about 1032 : 1.
constexpr qint64 MaxCompressionRatio = 1100;

} // namespace Basics
