#pragma once

#include "tsumlistdoc.h"

// The summary batches of the installation (workspace list "sumbatches",
// file "sumbatches.dat"): one row per batch with its name, whether it is
// fiscal ("Yes"/"No"), description and number of reports; New and Open
// run the batch dialog.
class TSumBatchesDoc : public TSumListDoc
{
    Q_OBJECT
public:
    explicit TSumBatchesDoc(TOffWindow *window);
    ~TSumBatchesDoc() override;

    QString caption() const override;
    QStringList columns() const override;

protected:
    bool edit(Basics::TValue *record, bool navigate, bool *accepted) override;
    Basics::TValueList *newList() const override;
    QStringList rowTexts(const Basics::TValue *record) const override;
    QString notFoundText() const override;
    QString loadErrorText() const override;
    QString saveErrorText() const override;
    QString deleteQuestion(const Basics::TValue *record) const override;
};
