#include "tfilenames.h"

#include <QFile>

#include <algorithm>
#include <cstring>
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

// ASCII letters fold as QChar folds them; no other character folds into
// one of them.
bool sameLetter(char a, char b)
{
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a == b || fold(a) == fold(b);
}

// A name or pattern held as Latin-1 bytes (only ASCII ones are).
struct AsciiText
{
    const char *data;
    qsizetype length;
    qsizetype size() const { return length; }
    char at(qsizetype i) const { return data[i]; }
};

bool isAscii(const char *text, qsizetype length)
{
    return std::all_of(text, text + length, [](char c) { return uchar(c) < 0x80; });
}

bool isChar(QChar c, char ascii)
{
    return c == QLatin1Char(ascii);
}

bool isChar(char c, char ascii)
{
    return c == ascii;
}

// Matches from name[n] and pattern[p] on; a "*" tries the shortest run
// first and backs up to the last star only.
template<typename Text>
bool matchFrom(const Text &name, const Text &pattern)
{
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && isChar(pattern.at(p), '*')) {
            starP = p++;
            starN = n;
        } else if (p < pattern.size()
                   && (isChar(pattern.at(p), '?') || sameLetter(pattern.at(p), name.at(n)))) {
            ++p;
            ++n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && isChar(pattern.at(p), '*'))
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
    // an ASCII name is matched in its bytes, before it is decoded
    const QByteArray asciiPattern = pattern.toLatin1();
    const bool asciiOnly = isAscii(asciiPattern.constData(), asciiPattern.size())
                           && QString::fromLatin1(asciiPattern) == pattern;
    const AsciiText bytePattern {asciiPattern.constData(), asciiPattern.size()};
    while (const dirent *entry = ::readdir(d)) {
        if (entry->d_name[0] == '.')
            continue;
        const qsizetype length = qsizetype(std::strlen(entry->d_name));
        if (asciiOnly && isAscii(entry->d_name, length)) {
            if (!matchFrom(AsciiText {entry->d_name, length}, bytePattern))
                continue;
        } else if (!matchFrom(QFile::decodeName(entry->d_name), pattern)) {
            continue;
        }
        if (!isFile(fd, *entry))
            continue;
        items.push_back({QFile::decodeName(entry->d_name), QString()});
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
