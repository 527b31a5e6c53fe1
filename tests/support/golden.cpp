#include "golden.h"

#include "testdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace {

constexpr int Context = 3;

// One line of the edit script: ' ' kept, '-' only in the expected text,
// '+' only in the actual one.
struct Edit
{
    char op;
    int oldLine; // 0-based, of the expected text (for ' ' and '-')
    int newLine; // 0-based, of the actual text (for ' ' and '+')
};

// The shortest edit script by the longest common subsequence; the texts
// compared here have a few hundred lines.
std::vector<Edit> editScript(const QStringList &a, const QStringList &b)
{
    const int n = int(a.size());
    const int m = int(b.size());
    std::vector<int> lcs(size_t(n + 1) * size_t(m + 1), 0);
    auto at = [&](int i, int j) -> int & { return lcs[size_t(i) * size_t(m + 1) + size_t(j)]; };
    for (int i = n - 1; i >= 0; --i) {
        for (int j = m - 1; j >= 0; --j)
            at(i, j) = a.at(i) == b.at(j) ? at(i + 1, j + 1) + 1
                                          : std::max(at(i + 1, j), at(i, j + 1));
    }
    std::vector<Edit> script;
    int i = 0;
    int j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a.at(i) == b.at(j)) {
            script.push_back({' ', i++, j++});
        } else if (i < n && (j == m || at(i + 1, j) >= at(i, j + 1))) {
            script.push_back({'-', i++, j});
        } else {
            script.push_back({'+', i, j++});
        }
    }
    return script;
}

QString range(int start, int count)
{
    // "start,count" with 1-based start; an empty range names the line before
    if (count == 0)
        return QStringLiteral("%1,0").arg(start);
    if (count == 1)
        return QString::number(start + 1);
    return QStringLiteral("%1,%2").arg(start + 1).arg(count);
}

QStringList linesOf(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the final line end
    return lines;
}

} // namespace

QString unifiedDiff(const QStringList &expected, const QStringList &actual,
                    const QString &expectedName, const QString &actualName)
{
    const std::vector<Edit> script = editScript(expected, actual);
    QString out;
    size_t k = 0;
    while (k < script.size()) {
        if (script[k].op == ' ') {
            ++k;
            continue;
        }
        // a hunk: changes no more than 2 x Context kept lines apart, with
        // Context kept lines around them
        const size_t first = k >= size_t(Context) ? k - Context : 0;
        size_t last = k;
        for (size_t scan = k; scan < script.size(); ++scan) {
            if (script[scan].op != ' ') {
                last = scan;
                continue;
            }
            if (scan - last > size_t(2 * Context))
                break;
        }
        const size_t end = std::min(script.size(), last + 1 + Context);
        int oldCount = 0;
        int newCount = 0;
        QString body;
        for (size_t e = first; e < end; ++e) {
            const Edit &edit = script[e];
            if (edit.op != '+')
                ++oldCount;
            if (edit.op != '-')
                ++newCount;
            body += QLatin1Char(edit.op)
                    + (edit.op == '+' ? actual.at(edit.newLine) : expected.at(edit.oldLine))
                    + QLatin1Char('\n');
        }
        if (out.isEmpty())
            out = QStringLiteral("--- %1\n+++ %2\n").arg(expectedName, actualName);
        out += QStringLiteral("@@ -%1 +%2 @@\n")
                       .arg(range(script[first].oldLine, oldCount),
                            range(script[first].newLine, newCount))
               + body;
        k = end;
    }
    return out;
}

::testing::AssertionResult matchesGolden(const QString &name, const QString &actual)
{
    const QString path = testDataPath(QStringLiteral("golden/") + name);
    if (!qEnvironmentVariableIsEmpty("VELTRUM_UPDATE_GOLDEN")) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return ::testing::AssertionFailure() << "cannot write " << path.toStdString();
        file.write(actual.toUtf8());
        return ::testing::AssertionSuccess();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ::testing::AssertionFailure()
               << "no reference text " << path.toStdString()
               << " (VELTRUM_UPDATE_GOLDEN=1 writes it from the actual text)";
    const QString expected = QString::fromUtf8(file.readAll());
    if (expected == actual)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "differs from its reference text:\n"
           << unifiedDiff(linesOf(expected), linesOf(actual), name, QStringLiteral("actual"))
                      .toStdString();
}

::testing::AssertionResult matchesGolden(const QString &name, const QStringList &lines)
{
    return matchesGolden(name, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}
