#pragma once

#include "toffdocument.h"

namespace Basics {
class TValue;
}

// A document over data. With `listData` it shows the workspace list of its
// key (one row per record, the fields of dataKeys() in the columns) and
// fills it again when the installation path changes.
class TOffDataDoc : public TOffDocument
{
    Q_OBJECT
public:
    TOffDataDoc(const QString &key, TOffWindow *window, bool listData);
    ~TOffDataDoc() override;

    bool listData() const { return m_listData; }
    // The workspace list of the key; null without list data.
    Basics::TValueList *dataList() const;

    QStringList columns() const override;
    void fill() override;
    QString getInformation() const override;
    QWidget *createView(QWidget *parent) override;

    // The title of a data document's first column, which shows numbers.
    static QString numberColumnTitle();

    // The record fields shown per column: "id" and "name".
    virtual QStringList dataKeys() const;

private:
    bool m_listData;
};
