#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

// "Select new report...": picks the kind of a new report. Each radio
// button has an identifier whose units digit is the kind (1 families,
// 2 articles, 3 waiters or cost centers, 4 voids, 5 payments) and whose
// tens digit the grouping (1 all, 2 per waiter, 3 per cost center); 0 is
// the paid tables list, 1 the journal.
class TSelectRepDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TSelectRepDlg(QWidget *parent = nullptr);
    ~TSelectRepDlg() override;

    // Applies the user's dialog rights first; a dialog the user may not
    // use does not open.
    int exec() override;

    // The report kind id (as the reports document numbers them) of a
    // button identifier; 0 for an unknown one.
    static int reportKindOf(int identifier);

    QGroupBox *m_ReportBox;
    QButtonGroup *m_Report;
    QRadioButton *m_Tables;

public Q_SLOTS:
    // The identifier of the selected button.
    int report() const;
    void setReport(int identifier);
    void languageChange();
    void onHelp();

private:
    QPushButton *b_Help;
    QPushButton *b_Ok;
    QPushButton *b_Cancel;
};
