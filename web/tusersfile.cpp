#include "tusersfile.h"

#include "terror.h"
#include "tsavefile.h"

#include <QFile>
#include <QRegularExpression>

#include <sys/stat.h>

namespace WebLib {

TUsersFile::TUsersFile(const QString &path)
    : m_path(path)
{ }

bool TUsersFile::isValidName(const QString &name)
{
    static const QRegularExpression valid(QStringLiteral("^[A-Za-z0-9._@-]{1,64}$"));
    return valid.match(name).hasMatch();
}

bool TUsersFile::load(bool missingOk)
{
    m_lines.clear();
    m_error.clear();
    QFile file(m_path);
    if (!file.exists() && missingOk)
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = tr("%1: cannot be read (%2)").arg(m_path, file.errorString());
        return false;
    }
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines.at(i);
        if (line.endsWith('\r'))
            line.chop(1);
        // the last "line" after the final newline
        if (i == lines.size() - 1 && line.isEmpty())
            break;
        if (line.trimmed().isEmpty() || line.startsWith('#')) {
            m_lines.append({QString(), line});
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        const QString name = QString::fromUtf8(line.left(colon));
        const QByteArray hash = colon > 0 ? line.mid(colon + 1) : QByteArray();
        if (colon <= 0 || !isValidName(name) || !isPasswordHash(hash)) {
            m_error = tr("%1, line %2: not a user (NAME:HASH as 'veltrum serve --add-user' "
                         "writes it)")
                              .arg(m_path)
                              .arg(i + 1);
            m_lines.clear();
            return false;
        }
        if (indexOf(name) >= 0) {
            m_error = tr("%1, line %2: user '%3' is there twice").arg(m_path).arg(i + 1).arg(name);
            m_lines.clear();
            return false;
        }
        m_lines.append({name, hash});
    }
    return true;
}

qsizetype TUsersFile::indexOf(const QString &name) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (!m_lines.at(i).name.isEmpty() && m_lines.at(i).name == name)
            return i;
    }
    return -1;
}

QStringList TUsersFile::names() const
{
    QStringList names;
    for (const Line &line : m_lines) {
        if (!line.name.isEmpty())
            names << line.name;
    }
    return names;
}

bool TUsersFile::contains(const QString &name) const
{
    return indexOf(name) >= 0;
}

QByteArray TUsersFile::hash(const QString &name) const
{
    const qsizetype i = indexOf(name);
    return i < 0 ? QByteArray() : m_lines.at(i).text;
}

bool TUsersFile::setPassword(const QString &name, const QByteArray &password, THashCost cost)
{
    m_error.clear();
    if (!isValidName(name)) {
        m_error = tr("'%1' is no user name (1 to 64 letters, digits and . _ - @)").arg(name);
        return false;
    }
    const QByteArray hash = hashPassword(password, cost);
    if (hash.isEmpty()) {
        m_error = tr("the password's hash could not be made");
        return false;
    }
    const qsizetype i = indexOf(name);
    if (i >= 0)
        m_lines[i].text = hash;
    else
        m_lines.append({name, hash});
    return true;
}

bool TUsersFile::remove(const QString &name)
{
    const qsizetype i = indexOf(name);
    if (i < 0)
        return false;
    m_lines.removeAt(i);
    return true;
}

bool TUsersFile::save()
{
    m_error.clear();
    QByteArray bytes;
    for (const Line &line : std::as_const(m_lines))
        bytes += (line.name.isEmpty() ? line.text : line.name.toUtf8() + ':' + line.text) + '\n';
    // the temporary is made readable by its owner alone from the start: a
    // new file never shows its hashes to others, not even for a moment
    const mode_t previous = ::umask(077);
    try {
        Basics::TSaveFile file(m_path);
        file.open();
        file.write(bytes);
        file.commit();
    } catch (const Basics::TError &e) {
        ::umask(previous);
        const auto *fileError = dynamic_cast<const Basics::TFileError *>(&e);
        m_error = tr("%1: cannot be written (%2)")
                          .arg(m_path, fileError ? fileError->osErrorText() : e.text());
        return false;
    }
    ::umask(previous);
    return true;
}

} // namespace WebLib
