#include "testdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

TestDir::TestDir()
{
    EXPECT_TRUE(m_dir.isValid());
}

QString TestDir::path() const
{
    return m_dir.path() + QLatin1Char('/');
}

QString TestDir::copyData(const QString &name, const QString &as) const
{
    const QString target = file(as.isEmpty() ? name : as);
    QDir().mkpath(QFileInfo(target).path());
    QFile::remove(target);
    EXPECT_TRUE(QFile::copy(testDataPath(name), target)) << qPrintable(name);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

void TestDir::write(const QString &name, const QByteArray &bytes) const
{
    const QString target = file(name);
    QDir().mkpath(QFileInfo(target).path());
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray TestDir::read(const QString &name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool TestDir::exists(const QString &name) const
{
    return QFileInfo::exists(file(name));
}

QStringList TestDir::entries() const
{
    return QDir(path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

QString testDataPath(const QString &name)
{
    return QStringLiteral(VELTRUM_TEST_DATA "/") + name;
}

QByteArray testData(const QString &name)
{
    QFile f(testDataPath(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(name);
    return f.readAll();
}

QString binPath(const QString &program)
{
    return QStringLiteral(VELTRUM_BIN_DIR "/") + program;
}

bool waitUntilOpenedBy(qint64 pid, const QString &path)
{
    struct stat wanted;
    if (::stat(QFile::encodeName(path).constData(), &wanted) != 0)
        return false;
    const QString fdDir = QStringLiteral("/proc/%1/fd").arg(pid);
    for (int check = 0; check < 20000; ++check) {
        const QStringList fds = QDir(fdDir).entryList(QDir::Files | QDir::System);
        for (const QString &fd : fds) {
            struct stat st;
            if (::stat(QFile::encodeName(fdDir + QLatin1Char('/') + fd).constData(), &st) == 0
                && st.st_dev == wanted.st_dev && st.st_ino == wanted.st_ino)
                return true;
        }
        ::usleep(500);
    }
    return false;
}
