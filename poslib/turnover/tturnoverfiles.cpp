#include "tturnoverfiles.h"

#include "terror.h"
#include "tinstallation.h"
#include "tturnover.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

using namespace Basics;

namespace PosLib::TurnoverFiles {

QPair<QString, QString> notedMove(const QString &root)
{
    // read only: the lock directory is not made here
    const QString path
            = installationDir(root, QStringLiteral("var/lock"), false) + QLatin1String(IntentName);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!QFileInfo::exists(path))
            return {};
        // a note that is there but cannot be read must not be dropped
        throw TFileError(T_SOURCE, 301, 301, errno, path);
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TFileError(T_SOURCE, 304, 310, EIO, path);
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    // two complete lines
    if (lines.size() < 3 || lines.at(0).isEmpty() || lines.at(1).isEmpty())
        return {};
    const QDir base(root.isEmpty() ? QStringLiteral(".") : root);
    return {base.filePath(lines.at(0)), base.filePath(lines.at(1))};
}

QList<QPair<long, QString>> archiveFiles(const QString &dir)
{
    const QStringList names = QDir(dir).entryList(QStringList(QStringLiteral("a*")),
                                                  QDir::Files | QDir::Hidden, QDir::Unsorted);
    QList<QPair<long, QString>> files;
    for (const QString &name : names) {
        const long number = tableFileNumber(name);
        if (number > 0 && !name.contains(QLatin1Char('.')))
            files.append({number, name});
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace PosLib::TurnoverFiles
