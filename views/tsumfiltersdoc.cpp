#include "tsumfiltersdoc.h"

TSumFiltersDoc::TSumFiltersDoc(TOffWindow *window)
    : TOffDataDoc(QStringLiteral("sumfilters"), window, true)
{ }

TSumFiltersDoc::~TSumFiltersDoc() = default;

QString TSumFiltersDoc::caption() const
{
    return tr("Reporting filters");
}
