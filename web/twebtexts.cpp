#include "twebtexts.h"

#include "ttranslation.h"
#include "twebpagetexts.h"

#include <QCoreApplication>
#include <QList>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace WebLib {

namespace {

// The German catalogue, read once, never installed: the program's own
// language stays what it is.
const QTranslator *german()
{
    static const std::unique_ptr<QTranslator> translator = [] {
        auto t = std::make_unique<QTranslator>();
        if (!t->load(QStringLiteral("veltrum_de"), Basics::TTranslation::directory()))
            t.reset();
        return t;
    }();
    return translator.get();
}

} // namespace

QString TWebTexts::language(const QByteArray &acceptLanguage)
{
    // "de-DE,de;q=0.9,en;q=0.8": the highest weight wins, the first on a tie
    QString best = QStringLiteral("en");
    double bestWeight = 0;
    for (const QByteArray &part : acceptLanguage.split(',')) {
        const QList<QByteArray> fields = part.split(';');
        const QByteArray tag = fields.first().trimmed().toLower();
        double weight = 1;
        for (qsizetype i = 1; i < fields.size(); ++i) {
            const QByteArray f = fields.at(i).trimmed();
            if (f.startsWith("q=")) {
                bool ok = false;
                weight = f.mid(2).toDouble(&ok);
                if (!ok)
                    weight = 0;
            }
        }
        const QByteArray primary = tag.left(tag.indexOf('-') < 0 ? tag.size() : tag.indexOf('-'));
        if ((primary == "de" || primary == "en") && weight > bestWeight) {
            best = QString::fromLatin1(primary);
            bestWeight = weight;
        }
    }
    return best;
}

QString TWebTexts::text(const QString &language, const char *source)
{
    if (language == QLatin1String("de")) {
        if (const QTranslator *t = german()) {
            const QString translated = t->translate("TWebTexts", source);
            if (!translated.isEmpty())
                return translated;
        }
    }
    return QString::fromUtf8(source);
}

QJsonObject TWebTexts::pageTexts(const QString &language)
{
    QJsonObject texts;
    for (const TWebPageText &t : webPageTexts())
        texts.insert(QLatin1String(t.key), text(language, t.source));
    return texts;
}

} // namespace WebLib
