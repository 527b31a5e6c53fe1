// The German catalogue is complete and fits its sources: lupdate over the
// whole tree finds no text without a finished translation, no translation
// drops a placeholder, an accelerator or the spacing the code relies on,
// and the programs' folder holds the built catalogues.

#include "catalogue.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

const QString Sources = QStringLiteral(VELTRUM_SOURCE_DIR);

QList<CatalogueMessage> committed(const char *file)
{
    QString error;
    const QList<CatalogueMessage> messages = readCatalogue(
            Sources + QStringLiteral("/translations/") + QLatin1String(file), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    return messages;
}

// "%1", "%2", "%n" ... of a text, sorted, each once
QStringList placeholders(const QString &text, bool withN)
{
    static const QRegularExpression pattern(QStringLiteral("%L?(\\d{1,2}|n)"));
    QStringList found;
    for (const QRegularExpressionMatch &m : pattern.globalMatch(text))
        if (withN || m.captured(1) != QLatin1String("n"))
            found << m.captured(1);
    found.sort();
    found.removeDuplicates();
    return found;
}

// An accelerator: "&" before a letter or digit, not the "&&" of a literal
// ampersand.
bool hasAccelerator(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("(^|[^&])&[\\w]"));
    return pattern.match(text).hasMatch();
}

// What the blanks at an end of a text are: none, blanks, or a line break.
// Their number may differ (a caption padded to another width), their kind
// not: the code joins such texts to others.
char edge(QStringView blanks)
{
    if (blanks.isEmpty())
        return '-';
    return blanks.contains(QLatin1Char('\n')) ? 'n' : ' ';
}

char leading(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    return edge(QStringView(text).left(i));
}

char trailing(const QString &text)
{
    qsizetype i = text.size();
    while (i > 0 && text.at(i - 1).isSpace())
        --i;
    return edge(QStringView(text).mid(i));
}

std::string list(const QStringList &names)
{
    return names.join(QLatin1Char('\n')).toStdString();
}

} // namespace

TEST(Catalogues, EveryTextOfTheSourcesHasAFinishedGermanTranslation)
{
    // the catalogues brought up to date with the sources, in a copy
    QTemporaryDir copy;
    ASSERT_TRUE(copy.isValid());
    QProcess update;
    update.setWorkingDirectory(Sources);
    update.start(QStringLiteral("bash"),
                 {QStringLiteral("scripts/translations.sh"), QStringLiteral("--into"), copy.path(),
                  QStringLiteral(VELTRUM_LUPDATE)});
    ASSERT_TRUE(update.waitForFinished(120000));
    ASSERT_EQ(0, update.exitCode()) << update.readAllStandardError().toStdString();
    // texts lupdate cannot place (a tr() without a class, a text that is no
    // literal) would be missing from the catalogue
    EXPECT_EQ("", update.readAllStandardError().toStdString());

    for (const char *file : {"veltrum_de.ts", "veltrum_en.ts"}) {
        QString error;
        const QList<CatalogueMessage> messages
                = readCatalogue(QDir(copy.path()).filePath(QLatin1String(file)), &error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        if (QLatin1String(file) == QLatin1String("veltrum_de.ts")) {
            EXPECT_LT(1000, messages.size());
        }
        QStringList untranslated;
        for (const CatalogueMessage &m : messages)
            if (m.untranslated())
                untranslated << m.name();
        EXPECT_EQ("", list(untranslated))
                << file << ": " << untranslated.size()
                << " texts without a finished translation; run scripts/translations.sh and "
                   "translate the entries marked unfinished in translations/"
                << file;
    }
}

TEST(Catalogues, GermanKeepsPlaceholdersAcceleratorsAndSpacing)
{
    QStringList placeholderFaults, acceleratorFaults, spacingFaults, markupFaults;
    for (const CatalogueMessage &m : committed("veltrum_de.ts")) {
        if (m.untranslated())
            continue; // the other test names it
        for (const QString &text : m.translations) {
            // a singular form may spell the number out
            if (placeholders(text, !m.numerus) != placeholders(m.source, !m.numerus))
                placeholderFaults << m.name() + QStringLiteral(" -> ") + text;
            if (hasAccelerator(text) != hasAccelerator(m.source))
                acceleratorFaults << m.name() + QStringLiteral(" -> ") + text;
            if (leading(text) != leading(m.source) || trailing(text) != trailing(m.source))
                spacingFaults << m.name() + QStringLiteral(" -> ") + text;
            if (text.count(QLatin1Char('<')) != m.source.count(QLatin1Char('<')))
                markupFaults << m.name() + QStringLiteral(" -> ") + text;
        }
    }
    EXPECT_EQ("", list(placeholderFaults));
    EXPECT_EQ("", list(acceleratorFaults));
    EXPECT_EQ("", list(spacingFaults));
    EXPECT_EQ("", list(markupFaults));
}

TEST(Catalogues, TheBuiltCataloguesTranslateBesideThePrograms)
{
    const QString folder = QStringLiteral(VELTRUM_BIN_DIR "/translations");
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral("veltrum_de"), folder));
    EXPECT_EQ(QStringLiteral("&Auswertungen"), german.translate("TVeltrum", "&Reporting"));
    EXPECT_EQ(QStringLiteral("Kellner #%1 - %2"), german.translate("TSummary", "Waiter #%1 - %2"));
    EXPECT_EQ(QStringLiteral("%n Datensatz"),
              german.translate("TOffDataDoc", "%n record(s)", nullptr, 1));
    EXPECT_EQ(QStringLiteral("%n Datensätze"),
              german.translate("TOffDataDoc", "%n record(s)", nullptr, 3));

    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral("veltrum_en"), folder));
    EXPECT_EQ(QStringLiteral("%n table (%1 %2)"),
              english.translate("TOpenTablesDoc", "%n tables (%1 %2)", nullptr, 1));
    EXPECT_EQ(QStringLiteral("%n tables (%1 %2)"),
              english.translate("TOpenTablesDoc", "%n tables (%1 %2)", nullptr, 2));
}

// The named figures of the day read in German as the summary reads them:
// every text of the figures' context that some other context translates
// too is translated the same way there ("All amount" is "Gesamtbetrag" in
// the summary, the Z report, the panel and the reconciliation alike).
TEST(Catalogues, FigureNamesReadTheSameEverywhere)
{
    const QList<CatalogueMessage> messages = committed("veltrum_de.ts");
    QMap<QString, QString> figures;
    for (const CatalogueMessage &m : messages) {
        if (m.context == QLatin1String("TFigures") && !m.translations.isEmpty())
            figures.insert(m.source, m.translations.first());
    }
    EXPECT_LE(20, figures.size());
    QStringList differing;
    int shared = 0;
    for (const CatalogueMessage &m : messages) {
        if (m.context == QLatin1String("TFigures") || m.numerus || m.translations.isEmpty()
            || !figures.contains(m.source))
            continue;
        ++shared;
        if (m.translations.first() != figures.value(m.source))
            differing << m.name() + QStringLiteral(" -> ") + m.translations.first()
                                 + QStringLiteral(" (figures: ") + figures.value(m.source)
                                 + QLatin1Char(')');
    }
    EXPECT_LE(15, shared); // the summary's words among them
    EXPECT_EQ("", list(differing));
}
