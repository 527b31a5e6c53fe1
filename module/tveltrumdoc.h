#pragma once

#include "toffdocument.h"

#include <QPointer>

class TDayFiguresPanel;
class TVeltrum;

// The module overview behind the "Reporting" tree item: one row per area
// the user may open, with a short description; double click or Enter
// opens the area through the module object. Beside the list, today's
// figures, each opening the document behind it. Its context menu holds
// the module's commands, each only where the module has it for this user.
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
    void onTurnOver();
    void onTables();
    void onArchs();
    void onVariable();
    void onTimes();
    void onAllFamilies();
    void onAllArticles();
    void onAllWaiters();
    void onWaiterFamilies();
    void onWaiterArticles();
    void onWaiterReport();
    void onCenterFamilies();
    void onCenterArticles();
    void onCenterReport();
    void onPaidTables();
    void setColumnTexts();

private:
    QIcon icon(const char *key) const;
    // Opens the document behind a figure of today's figures.
    void openFigure(int figure);

    TVeltrum *m_module;
    QPointer<TDayFiguresPanel> m_figures;
};
