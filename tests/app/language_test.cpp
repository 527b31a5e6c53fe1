// The command line's language: --lang, else LC_ALL, LC_MESSAGES or LANG,
// else the installation's "language", else English.

#include "testdir.h"
#include "tinifile.h"
#include "veltrumprocess.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

const QStringList Now {QStringLiteral("--now"), QStringLiteral("2026-12-05T21:00:00")};

QStringList waiterReport(const QString &root)
{
    return QStringList {QStringLiteral("report"), QStringLiteral("--data"), root,
                        QStringLiteral("--kind"), QStringLiteral("5")}
           + Now;
}

// The parts of `expected` that `text` lacks, one a line.
QString missing(const QString &text, const QStringList &expected)
{
    QStringList absent;
    for (const QString &part : expected)
        if (!text.contains(part))
            absent << part;
    return absent.join(QLatin1Char('\n'));
}

const QStringList GermanCaptions {
        QStringLiteral("Auswertung für: "),
        QStringLiteral("Liste aller Kellner"),
        QStringLiteral("Aktuelle Schichtauswertung vom Samstag, 5.12.2026"),
        QStringLiteral("Gedruckt Samstag, 5.12.2026 um 21:00"),
        QStringLiteral("Kellner #1 - "),
        QStringLiteral("Bezahlte Tische........"),
        QStringLiteral("Summe aller Zahlungsarten"),
        QStringLiteral("Gesamtbetrag..........."),
        QStringLiteral("MwSt.  19.00 %"),
};
const QStringList EnglishCaptions {
        QStringLiteral("Summary for: "),
        QStringLiteral("List of all waiters"),
        QStringLiteral("Actual Shift Summary from Saturday, 5.12.2026"),
        QStringLiteral("Printed Saturday, 5.12.2026 at 21:00"),
        QStringLiteral("Waiter #1 - "),
        QStringLiteral("Paid tables............"),
        QStringLiteral("Sum of all payforms"),
};

} // namespace

TEST(VeltrumLanguage, AGermanEnvironmentPrintsGermanCaptionsAndDayNames)
{
    TestDir dir;
    const QString root = writeDemo(dir, 1, 6);
    const Outcome german = veltrumIn(QStringLiteral("de_DE.UTF-8"), waiterReport(root));
    ASSERT_EQ(0, german.code) << german.err;
    EXPECT_EQ(QString(), missing(german.out, GermanCaptions)) << german.out;
    EXPECT_FALSE(german.out.contains(QStringLiteral("Waiter #"))) << german.out;
    // amounts keep the currency's own separators
    EXPECT_TRUE(german.out.contains(QStringLiteral(",00 EUR"))) << german.out;

    const Outcome english = veltrumIn(QStringLiteral("en_GB.UTF-8"), waiterReport(root));
    ASSERT_EQ(0, english.code) << english.err;
    EXPECT_EQ(QString(), missing(english.out, EnglishCaptions)) << english.out;
}

TEST(VeltrumLanguage, TheOptionBeatsTheEnvironmentAndTheEnvironmentTheInstallation)
{
    TestDir dir;
    const QString root = writeDemo(dir, 1, 6);
    Basics::TInifile globals(root + QStringLiteral("/etc/globals.ini"));
    globals.writeString(QStringLiteral("Settings"), QStringLiteral("language"),
                        QStringLiteral("Deutsch"));
    globals.write();

    // "C.UTF-8" names no language: the installation's German
    const Outcome installation = veltrumIn(QStringLiteral("C.UTF-8"), waiterReport(root));
    EXPECT_EQ(QString(), missing(installation.out, GermanCaptions)) << installation.out;
    const Outcome environment = veltrumIn(QStringLiteral("en_US.UTF-8"), waiterReport(root));
    EXPECT_EQ(QString(), missing(environment.out, EnglishCaptions)) << environment.out;
    const Outcome option
            = veltrumIn(QStringLiteral("de_DE.UTF-8"),
                        waiterReport(root) << QStringLiteral("--lang") << QStringLiteral("en"));
    EXPECT_EQ(QString(), missing(option.out, EnglishCaptions)) << option.out;

    // LC_ALL before LC_MESSAGES before LANG
    QProcessEnvironment env = languageEnvironment(QStringLiteral("en_US.UTF-8"));
    env.insert(QStringLiteral("LC_MESSAGES"), QStringLiteral("de_AT.UTF-8"));
    QProcess run;
    run.setProcessEnvironment(env);
    run.start(binPath(QStringLiteral("veltrum")), waiterReport(root));
    ASSERT_TRUE(run.waitForFinished(120000));
    const QString messages = QString::fromUtf8(run.readAllStandardOutput());
    EXPECT_EQ(QString(), missing(messages, GermanCaptions)) << messages;
}

TEST(VeltrumLanguage, HelpAndErrorsInGerman)
{
    const Outcome help = veltrumIn(QStringLiteral("de_DE.UTF-8"), {QStringLiteral("--help")});
    EXPECT_EQ(0, help.code);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Aufruf: veltrum BEFEHL"))) << help.out;

    TestDir dir;
    const Outcome wrong = veltrumIn(QStringLiteral("de_DE.UTF-8"),
                                    {QStringLiteral("report"), QStringLiteral("--data"), dir.path(),
                                     QStringLiteral("--kind"), QStringLiteral("99")});
    EXPECT_EQ(2, wrong.code);
    EXPECT_TRUE(wrong.err.contains(QStringLiteral("es gibt keine Berichtsart 99"))) << wrong.err;

    const Outcome bad
            = veltrum({QStringLiteral("--lang"), QStringLiteral("fr"), QStringLiteral("--help")});
    EXPECT_EQ(2, bad.code);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("bad value 'fr' for --lang"))) << bad.err;
}
