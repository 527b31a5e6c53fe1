#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

namespace WebLib {

// The texts of the web view in the visitor's language, which every
// request chooses for itself (Accept-Language), whatever language the
// program was started in: the page's own words and the server's
// messages, translated in the context "TWebTexts" like every other text
// (translations/veltrum_de.ts). Safe on any thread.
class TWebTexts
{
public:
    // "de" or "en": the first of them the browser names, by its weights;
    // English when it names neither.
    static QString language(const QByteArray &acceptLanguage);
    // `source` (a text marked QT_TRANSLATE_NOOP("TWebTexts", ...)) in
    // `language`.
    static QString text(const QString &language, const char *source);
    // Every text of the page by its key, for its script.
    static QJsonObject pageTexts(const QString &language);
};

} // namespace WebLib
