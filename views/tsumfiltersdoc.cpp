#include "tsumfiltersdoc.h"

#include "toffwindow.h"
#include "tsumfilter.h"
#include "tsumfilterdlg.h"
#include "tsumfilters.h"

TSumFiltersDoc::TSumFiltersDoc(TOffWindow *window)
    : TSumListDoc(QStringLiteral("sumfilters"), window)
{
    load();
}

TSumFiltersDoc::~TSumFiltersDoc() = default;

QString TSumFiltersDoc::caption() const
{
    return tr("Reporting filters");
}

QStringList TSumFiltersDoc::columns() const
{
    return {tr("Name"), tr("Description")};
}

bool TSumFiltersDoc::edit(Basics::TValue *record, bool navigate, bool *accepted)
{
    TSumFilterDlg dialog(workspace(), dynamic_cast<PosLib::TSumFilter *>(record), navigate,
                         window());
    *accepted = dialog.exec() == QDialog::Accepted;
    return dialog.stored();
}

Basics::TValueList *TSumFiltersDoc::newList() const
{
    return new PosLib::TSumFilters;
}

QStringList TSumFiltersDoc::rowTexts(const Basics::TValue *record) const
{
    return {record->name(), record->getString(QStringLiteral("description"))};
}

QString TSumFiltersDoc::notFoundText() const
{
    return tr("List of summary filters not found");
}

QString TSumFiltersDoc::loadErrorText() const
{
    return tr("Could not load summary filters");
}

QString TSumFiltersDoc::saveErrorText() const
{
    return tr("Could not save summary filters");
}
