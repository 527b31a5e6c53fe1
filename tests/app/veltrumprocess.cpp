#include "veltrumprocess.h"

#include "testdir.h"

#include <QProcess>

#include <gtest/gtest.h>

QProcessEnvironment languageEnvironment(const QString &locale)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("LANG"), locale);
    return env;
}

Outcome veltrum(const QStringList &args, const QByteArray &input)
{
    return veltrumIn(QStringLiteral("C.UTF-8"), args, input);
}

Outcome veltrumIn(const QString &locale, const QStringList &args, const QByteArray &input)
{
    QProcess p;
    p.setProcessEnvironment(languageEnvironment(locale));
    p.start(binPath(QStringLiteral("veltrum")), args);
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QString writeDemo(const TestDir &dir, int days, int tables)
{
    const QString root = dir.file(QStringLiteral("inst"));
    const Outcome demo
            = veltrum({QStringLiteral("demo"), root, QStringLiteral("--days"),
                       QString::number(days), QStringLiteral("--tables"), QString::number(tables),
                       QStringLiteral("--today"), QStringLiteral("2026-12-05")});
    EXPECT_EQ(0, demo.code) << demo.err;
    return root;
}
