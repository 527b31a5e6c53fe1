#pragma once

#include "toffdocument.h"
#include "treportingentry.h"

#include <QPointer>

class TDayFiguresPanel;

// The module overview behind the "Reporting" tree item: one row per area
// the user may open, with a short description; double click or Enter
// opens the area through the module (TReportingEntry). Beside the list, today's
// figures, each opening the document behind it. Its context menu holds
// the module's commands, each only where the module has it for this user.
class TVeltrumDoc : public TOffDocument
{
    Q_OBJECT
public:
    TVeltrumDoc(TReportingEntry *module, TOffWindow *window);
    ~TVeltrumDoc() override;

    QString caption() const override;
    QStringList columns() const override;
    void fill() override;
    QWidget *createView(QWidget *parent) override;
    void createContext(QMenu *menu) override;

public Q_SLOTS:
    void onOpen();
    // Titles and rows in the new language, on the same row.
    void languageChange() override;

protected Q_SLOTS:
    // Run the filter or batch dialog on a new record, without record
    // navigation; what it inserts is saved at once, through the filters or
    // batches document (the overview has no Save of its own).
    void onNewFilter();
    void onNewBatch();
    void setColumnTexts();

private:
    using Area = TReportingEntry::Area;
    using Command = TReportingEntry::Command;

    QIcon icon(const char *key) const;
    // Opens the document behind a figure of today's figures.
    void openFigure(int figure);

    TReportingEntry *m_module;
    QPointer<TDayFiguresPanel> m_figures;
};
