#pragma once

#include "toffdocument.h"

class TVeltrum;

// The module overview behind the "Reporting" tree item: one row per area
// the user may open, with a short description; double click or Enter
// opens the area through the module object. The context menu and the
// insert commands come with the documents they open.
class TVeltrumDoc : public TOffDocument
{
    Q_OBJECT
public:
    TVeltrumDoc(TVeltrum *module, TOffWindow *window);
    ~TVeltrumDoc() override;

    QString caption() const override;
    QStringList columns() const override;
    void fill() override;
    QWidget *createView(QWidget *parent) override;

public Q_SLOTS:
    void onOpen();

protected Q_SLOTS:
    void setColumnTexts();

private:
    TVeltrum *m_module;
};
