#pragma once

#include <QList>

namespace WebLib {

// One word or sentence of the page: the key its script names it by, and
// the English text (translated in the context "TWebTexts").
struct TWebPageText
{
    const char *key;
    const char *source;
};

const QList<TWebPageText> &webPageTexts();

} // namespace WebLib
