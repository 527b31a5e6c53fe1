#include "tinifile.h"

#include "tdir.h"
#include "terror.h"
#include "tinilineerror.h"
#include "tfile.h"
#include "tsavefile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <new>

namespace Basics {

namespace {

enum LineKind { IncludeLine, HeaderLine, CommentLine, EntryLine, IgnoredLine };

// Position of the first character that is neither blank nor tab.
int firstChar(const QString &text)
{
    int i = 0;
    while (i < text.size() && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
        ++i;
    return i;
}

LineKind classify(const QString &text)
{
    const int i = firstChar(text);
    if (i >= text.size())
        return EntryLine; // empty or blank
    const QChar c = text.at(i);
    if (c == QLatin1Char('#') && text.indexOf(QLatin1Char('<'), i + 1) > 0
        && text.contains(QLatin1Char('>')))
        return IncludeLine;
    if (c == QLatin1Char('[')) {
        if (text.indexOf(QLatin1Char(']'), i + 1) > 0)
            return HeaderLine;
        return IgnoredLine;
    }
    if (c == QLatin1Char(';'))
        return CommentLine;
    if (c == QLatin1Char('<'))
        return IgnoredLine;
    return EntryLine;
}

// The value part of an entry line: after the first "=", stripped; null when
// there is no "=".
QString valueOf(const QString &text)
{
    const int eq = text.indexOf(QLatin1Char('='));
    if (eq < 0)
        return QString();
    return text.mid(eq + 1).trimmed();
}

// "key = value" for a line that has a "=", the value appended to a line
// without one, "default = value" for an empty line.
void rewrite(TInifile::Line *line, const QString &value)
{
    const QString v = value.trimmed();
    const int eq = line->text.indexOf(QLatin1Char('='));
    if (eq >= 0)
        line->text = line->text.left(eq).trimmed() + QLatin1String(" = ") + v;
    else if (!line->text.trimmed().isEmpty())
        line->text = line->text.trimmed() + QLatin1String(" = ") + v;
    else
        line->text = QLatin1String("default = ") + v;
}

// UTF-16 when the data starts with a byte-order mark of either order (UTF-8
// with its mark is accepted too), 8-bit locale text otherwise.
QString decode(const QByteArray &data)
{
    if (data.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE).decode(data.mid(2));
    if (data.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE).decode(data.mid(2));
    if (data.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(data.mid(3));
    return QString::fromLocal8Bit(data);
}

// Lines end with "\n" or "\r\n"; a final line end opens no further line.
QStringList splitLines(const QString &text)
{
    QStringList lines;
    int start = 0;
    while (start < text.size()) {
        int end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        QString line = text.mid(start, end - start);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        lines.append(line);
        start = end + 1;
    }
    return lines;
}

// Allocation failures leave this file as TInifileError with the given code.
template<class T, class... Args>
T *create(int code, Args &&...args)
{
    try {
        return new T {std::forward<Args>(args)...};
    } catch (const std::bad_alloc &) {
        throw TInifileError(T_SOURCE, code);
    }
}

} // namespace

// ---- Entry ----------------------------------------------------------------

QString TInifile::Entry::key() const
{
    if (!line)
        return QString();
    const int eq = line->text.indexOf(QLatin1Char('='));
    if (eq < 0)
        return QString();
    return line->text.left(eq).trimmed();
}

// ---- Section --------------------------------------------------------------

TInifile::Section::Section(const QString &name, Line *header, QList<Line *> *lines)
    : m_name(name)
    , m_header(header)
    , m_lines(lines)
{ }

TInifile::Section::~Section()
{
    qDeleteAll(m_entries);
}

TInifile::Entry *TInifile::Section::find(const QString &key) const
{
    const QString wanted = key.trimmed().toLower();
    for (Entry *e : m_entries) {
        if (e->key().toLower() == wanted)
            return e;
    }
    return nullptr;
}

QList<TInifile::Entry *> TInifile::Section::entries() const
{
    QList<Entry *> result;
    for (Entry *e : m_entries) {
        if (!e->comment)
            result.append(e);
    }
    return result;
}

QStringList TInifile::Section::keys() const
{
    QStringList result;
    for (const Entry *e : m_entries) {
        const QString k = e->comment ? QString() : e->key();
        if (!k.isEmpty())
            result.append(k);
    }
    return result;
}

TInifile::Entry *TInifile::Section::addEntry(Line *line, bool comment)
{
    if (!line)
        throw TInifileError(T_SOURCE, 503);
    Entry *e = create<Entry>(503);
    e->line = line;
    e->text = valueOf(line->text);
    e->comment = comment;
    m_entries.append(e);
    return e;
}

TInifile::Entry *TInifile::Section::insertEntry(const QString &key)
{
    Line *line = create<Line>(503, key.trimmed(), true);
    const int at = m_lines->indexOf(m_header);
    m_lines->insert(at < 0 ? m_lines->size() : at + 1, line);
    return addEntry(line);
}

// ---- TInifile -------------------------------------------------------------

TInifile::TInifile(const char *fileName)
    : TInifile(fileName ? QString::fromLocal8Bit(fileName) : QString())
{ }

TInifile::TInifile(const QString &fileName)
{
    // a constructor that throws runs no destructor: free what was read
    try {
        read(fileName);
    } catch (...) {
        freeAll();
        throw;
    }
}

TInifile::~TInifile()
{
    freeAll();
}

void TInifile::freeAll()
{
    qDeleteAll(m_order);
    qDeleteAll(m_lines);
    m_order.clear();
    m_lines.clear();
    m_sections.clear();
}

void TInifile::read(const QString &fileName, bool own)
{
    if (fileName.isNull())
        throw TInifileError(T_SOURCE, 501);
    m_fileName = fileName;
    QSet<QString> reading;
    parse(fileName, own, reading);
}

void TInifile::parse(const QString &fileName, bool own, QSet<QString> &reading)
{
    const QFileInfo info(expandEnvironment(fileName));
    if (!info.isFile())
        return;
    // A file that includes itself, directly or through others, is read once.
    const QString canonical = info.canonicalFilePath();
    if (reading.contains(canonical))
        return;
    reading.insert(canonical);

    QByteArray data;
    {
        TFile f(info.filePath());
        f.open(QIODevice::ReadOnly);
        data = f.readRest();
        f.close();
    }

    Section *current = nullptr;
    int number = 0;
    for (const QString &text : splitLines(decode(data))) {
        ++number;
        Line *line = create<Line>(501, text, own);
        m_lines.append(line);

        switch (classify(text)) {
        case IncludeLine: {
            const int lt = text.indexOf(QLatin1Char('<'), firstChar(text) + 1);
            const int gt = lt < 0 ? -1 : text.indexOf(QLatin1Char('>'), lt + 1);
            if (lt < 0 || gt < 0)
                throw TIniLineError(T_SOURCE, 511, info.filePath(), number);
            const QString name = text.mid(lt + 1, gt - lt - 1).trimmed();
            parse(includePath(name, info.filePath()), false, reading);
            break;
        }
        case HeaderLine: {
            const int lb = text.indexOf(QLatin1Char('['));
            const int rb = lb < 0 ? -1 : text.indexOf(QLatin1Char(']'), lb + 1);
            if (lb < 0 || rb < 0)
                throw TIniLineError(T_SOURCE, 510, info.filePath(), number);
            const QString name = text.mid(lb + 1, rb - lb - 1);
            current = section(name);
            if (!current) {
                current = create<Section>(501, name, line, &m_lines);
                m_sections.insert(name.toLower(), current);
                m_order.append(current);
            }
            break;
        }
        case CommentLine:
            if (current)
                current->addEntry(line, true);
            break;
        case EntryLine:
            if (current)
                current->addEntry(line);
            break;
        case IgnoredLine:
            break;
        }
    }
    reading.remove(canonical);
}

QString TInifile::includePath(const QString &name, const QString &including) const
{
    // Installations written on Windows name their includes with "\".
    QStringList spellings {expandEnvironment(name)};
    if (spellings.first().contains(QLatin1Char('\\')))
        spellings.append(QString(spellings.first()).replace(QLatin1Char('\\'), QLatin1Char('/')));
    for (const QString &s : spellings) {
        if (QFileInfo(s).isFile())
            return s;
    }
    const QDir dir = QFileInfo(including).absoluteDir();
    for (const QString &s : spellings) {
        if (QFileInfo(s).isRelative() && QFileInfo(dir.filePath(s)).isFile())
            return dir.filePath(s);
    }
    return name;
}

void TInifile::write(const QString &fileName)
{
    const QString target = expandEnvironment(fileName.isNull() ? m_fileName : fileName);
    if (target.isEmpty())
        throw TInifileError(T_SOURCE, 502);

    QString text;
    for (const Line *line : m_lines) {
        if (line->own)
            text += line->text + QLatin1String("\r\n");
    }
    QByteArray bytes;
    if (m_noUnicode) {
        bytes = text.toLocal8Bit();
    } else {
        const char16_t bom = 0xFEFF; // machine byte order, like the text
        bytes.append(reinterpret_cast<const char *>(&bom), sizeof bom);
        bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * qsizetype(2));
    }

    // Only a fully written and synced file replaces the old one.
    TSaveFile out(target);
    out.open();
    out.write(bytes);
    out.commit();
}

TInifile::Section *TInifile::section(const QString &name) const
{
    return m_sections.value(name.toLower(), nullptr);
}

TInifile::Section *TInifile::addSection(const QString &name)
{
    if (Section *s = section(name))
        return s;
    Line *header = create<Line>(505, QLatin1Char('[') + name + QLatin1Char(']'), true);
    m_lines.append(header);
    Section *s = create<Section>(505, name, header, &m_lines);
    m_sections.insert(name.toLower(), s);
    m_order.append(s);
    return s;
}

TValueField TInifile::readEntry(const QString &section, const QString &key,
                                const TValueField &def) const
{
    const Section *s = this->section(section);
    const Entry *e = s ? s->find(key) : nullptr;
    if (!e)
        return def;
    return TValueField(e->type, e->text);
}

void TInifile::writeEntry(const TValueField &value, const QString &section, const QString &key)
{
    Section *s = addSection(section);
    if (!s)
        throw TInifileError(T_SOURCE, 509);
    Entry *e = s->find(key);
    if (!e)
        e = s->insertEntry(key);
    e->type = value.type;
    e->text = value.text;
    rewrite(e->line, value.text);
}

QString TInifile::readString(const QString &section, const QString &key, const QString &def) const
{
    return readEntry(section, key, TValueField(TypeText, def)).text;
}

qint64 TInifile::readInt(const QString &section, const QString &key, qint64 def) const
{
    const Section *s = this->section(section);
    const Entry *e = s ? s->find(key) : nullptr;
    return e ? parseInteger(e->text) : def;
}

bool TInifile::readBool(const QString &section, const QString &key, bool def) const
{
    const Section *s = this->section(section);
    const Entry *e = s ? s->find(key) : nullptr;
    return e ? parseBoolean(e->text) : def;
}

void TInifile::writeString(const QString &section, const QString &key, const QString &value)
{
    writeEntry(TValueField(TypeText, value), section, key);
}

void TInifile::writeInt(const QString &section, const QString &key, qint64 value)
{
    writeEntry(TValueField(TypeInteger, integerText(value)), section, key);
}

void TInifile::writeBool(const QString &section, const QString &key, bool value)
{
    writeEntry(TValueField(TypeBoolean, booleanText(value)), section, key);
}

} // namespace Basics
