#include "tconfigfile.h"

#include "cliutil.h"

#include <QFile>

const TConfigFile::Entry *TConfigFile::Section::find(const QString &key) const
{
    for (const Entry &entry : entries) {
        if (entry.key == key)
            return &entry;
    }
    return nullptr;
}

QString TConfigFile::Section::value(const QString &key, const QString &fallback) const
{
    const Entry *entry = find(key);
    return entry ? entry->value : fallback;
}

bool TConfigFile::read(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return parse(file.readAll(), path, error);
}

bool TConfigFile::parse(const QByteArray &text, const QString &path, QString *error)
{
    m_path = path;
    m_sections.clear();
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int number = i + 1;
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))
            || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']')) || line.size() < 3) {
                *error = at(number, TCli::tr("a section header is \"[name]\""));
                return false;
            }
            m_sections.append({line.mid(1, line.size() - 2).simplified(), number, {}});
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        const QString key = line.left(equals).trimmed();
        if (equals < 0 || key.isEmpty()) {
            *error = at(number, TCli::tr("not \"key = value\": %1").arg(line));
            return false;
        }
        if (m_sections.isEmpty()) {
            *error = at(number, TCli::tr("\"%1\" stands before the first [section]").arg(key));
            return false;
        }
        Section &section = m_sections.last();
        if (const Entry *before = section.find(key)) {
            *error = at(number,
                        TCli::tr("\"%1\" was set already in line %2").arg(key).arg(before->line));
            return false;
        }
        section.entries.append({key, line.mid(equals + 1).trimmed(), number});
    }
    return true;
}

const TConfigFile::Section *TConfigFile::section(const QString &name) const
{
    for (const Section &section : m_sections) {
        if (section.name == name)
            return &section;
    }
    return nullptr;
}

QString TConfigFile::at(int line, const QString &text) const
{
    return QStringLiteral("%1:%2: %3").arg(m_path).arg(line).arg(text);
}

QString TConfigFile::unknownKey(const Section &section, const QStringList &known) const
{
    for (const Entry &entry : section.entries) {
        if (!known.contains(entry.key))
            return at(entry.line,
                      TCli::tr("unknown key \"%1\" in [%2] (known: %3)")
                              .arg(entry.key, section.name, known.join(QStringLiteral(", "))));
    }
    return QString();
}

QStringList configList(const QString &value)
{
    QStringList items;
    for (const QString &item : value.split(QLatin1Char(','))) {
        if (!item.trimmed().isEmpty())
            items << item.trimmed();
    }
    return items;
}
