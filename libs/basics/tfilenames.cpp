#include "tfilenames.h"

#include <QFile>

#include <algorithm>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace Basics {

namespace {

bool sameLetter(QChar a, QChar b)
{
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

// Matches from name[n] and pattern[p] on; a "*" tries the shortest run
// first and backs up to the last star only.
bool matchFrom(const QString &name, const QString &pattern)
{
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern.at(p) == QLatin1Char('*')) {
            starP = p++;
            starN = n;
        } else if (p < pattern.size()
                   && (pattern.at(p) == QLatin1Char('?')
                       || sameLetter(pattern.at(p), name.at(n)))) {
            ++p;
            ++n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p) == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

// A plain file, or a link that leads to one.
bool isFile(int dirFd, const dirent &entry)
{
    if (entry.d_type == DT_REG)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat st;
    return ::fstatat(dirFd, entry.d_name, &st, 0) == 0 && S_ISREG(st.st_mode);
}

struct SortItem
{
    QString name;
    QString lower;
};

} // namespace

bool matchesWildcard(const QString &name, const QString &pattern)
{
    return matchFrom(name, pattern);
}

QStringList fileNamesMatching(const QString &dir, const QString &pattern)
{
    std::vector<SortItem> items;
    DIR *d = ::opendir(QFile::encodeName(dir).constData());
    if (!d)
        return {};
    const int fd = ::dirfd(d);
    while (const dirent *entry = ::readdir(d)) {
        if (entry->d_name[0] == '.')
            continue;
        const QString name = QFile::decodeName(entry->d_name);
        if (!matchFrom(name, pattern) || !isFile(fd, *entry))
            continue;
        items.push_back({name, QString()});
    }
    ::closedir(d);
    // The order QDir gives: its comparison of the lower-case names, through
    // the same unstable sort over the folder's order, so that names equal
    // but for case also come as QDir lists them.
    for (SortItem &item : items)
        item.lower = item.name.toLower();
    std::sort(items.begin(), items.end(),
              [](const SortItem &a, const SortItem &b) { return a.lower.compare(b.lower) < 0; });
    QStringList names;
    names.reserve(qsizetype(items.size()));
    for (SortItem &item : items)
        names.append(std::move(item.name));
    return names;
}

} // namespace Basics
