#include "tsumfiltersdoc.h"

#include "toffconfig.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "tsumbatch.h"
#include "tsumfilter.h"
#include "tsumfilterdlg.h"
#include "tsumfilters.h"

TSumFiltersDoc::TSumFiltersDoc(TOffWindow *window)
    : TSumListDoc(QStringLiteral("sumfilters"), window)
{
    setHelpTopic(QStringLiteral("filters"));
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

QString TSumFiltersDoc::deleteQuestion(const Basics::TValue *record) const
{
    QString text = tr("Delete the filter %1 \"%2\"?").arg(record->id()).arg(record->name());
    // what uses it reports without a filter afterwards
    QStringList users;
    if (auto *batches = static_cast<PosLib::TSumBatches *>(
                workspace() ? workspace()->getData(QStringLiteral("sumbatches")) : nullptr))
        for (int id : batches->ids())
            if (batches->batch(id)->filter() == record->id())
                users << tr("the batch \"%1\"").arg(batches->batch(id)->name());
    if (TOffConfig::getDefFilter() == record->id())
        users << tr("the default filter of the reports");
    if (!users.isEmpty())
        text += QLatin1Char('\n')
                + tr("It is used by %1, which will then report without a filter.")
                          .arg(users.join(QStringLiteral(", ")));
    return text;
}
