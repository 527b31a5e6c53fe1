#include "tsumbatchesdoc.h"

#include "toffconfig.h"
#include "toffwindow.h"
#include "treportkinds.h"
#include "tsumbatch.h"
#include "tsumbatchdlg.h"

TSumBatchesDoc::TSumBatchesDoc(TOffWindow *window)
    : TSumListDoc(QStringLiteral("sumbatches"), window)
{
    setHelpTopic(QStringLiteral("batches"));
    load();
}

TSumBatchesDoc::~TSumBatchesDoc() = default;

QString TSumBatchesDoc::caption() const
{
    return tr("Reporting batches");
}

QStringList TSumBatchesDoc::columns() const
{
    return {tr("Name"), tr("Fiscal"), tr("Description"), tr("Report count")};
}

bool TSumBatchesDoc::edit(Basics::TValue *record, bool navigate, bool *accepted)
{
    TSumBatchDlg dialog(workspace(), dynamic_cast<PosLib::TSumBatch *>(record), navigate, window());
    *accepted = dialog.exec() == QDialog::Accepted;
    return dialog.stored();
}

Basics::TValueList *TSumBatchesDoc::newList() const
{
    return new PosLib::TSumBatches;
}

QStringList TSumBatchesDoc::rowTexts(const Basics::TValue *record) const
{
    const auto &batch = *static_cast<const PosLib::TSumBatch *>(record);
    return {batch.name(), batch.fiscal() ? tr("Yes") : tr("No"), batch.descr(),
            QString::number(batch.reports().size())};
}

QString TSumBatchesDoc::notFoundText() const
{
    return tr("List of summary batches not found");
}

QString TSumBatchesDoc::loadErrorText() const
{
    return tr("Could not load summary batches");
}

QString TSumBatchesDoc::saveErrorText() const
{
    return tr("Could not save summary batches");
}

QString TSumBatchesDoc::deleteQuestion(const Basics::TValue *record) const
{
    QString text = tr("Delete the batch %1 \"%2\"?").arg(record->id()).arg(record->name());
    if (TOffConfig::getDefReport() == record->id() + PosLib::BatchKindOffset)
        text += QLatin1Char('\n')
                + tr("It is the default report; the reports document then starts without one.");
    return text;
}
