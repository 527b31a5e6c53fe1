#pragma once

#include "tsumlistdoc.h"

// The summary filters of the installation (workspace list "sumfilters",
// file "sumfilters.dat"): one row per filter with its name and
// description; New and Open run the filter dialog.
class TSumFiltersDoc : public TSumListDoc
{
    Q_OBJECT
public:
    explicit TSumFiltersDoc(TOffWindow *window);
    ~TSumFiltersDoc() override;

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
