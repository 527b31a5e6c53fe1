#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QComboBox;
class QPushButton;
class QTabWidget;
class QTimeEdit;
class QTreeWidget;
namespace QtWidgets {
class TComboBox;
}

// The layout of the reporting options: tab "&General" with the group
// "Turnover" (start of the gastronomic day, the cash count's tolerance, the
// receipt printer and its width) and the group "Reporting"
// (default report and filter, the two default flags), tab "R&eports" with
// the reports allowed in the report selection; "Help", OK, "Cancel". The
// slots are for the subclass; here they only write a debug trace.
class TDlgOptAuswBase : public QDialog
{
    Q_OBJECT
public:
    explicit TDlgOptAuswBase(QWidget *parent = nullptr);
    ~TDlgOptAuswBase() override;

    // Applies the user's dialog rights first; a dialog the user may not
    // use does not open.
    int exec() override;

    QTabWidget *tabWidget;
    QWidget *tabGeneral;
    QGroupBox *groupTurnover;
    QLabel *l_Gastro;
    QTimeEdit *m_Gastro;
    QLabel *l_Tolerance;
    QLineEdit *m_Tolerance; // the cash count's tolerance, an amount
    QLabel *l_ReceiptPrinter;
    QLineEdit *m_ReceiptPrinter; // a device or file path, or a print queue
    QLabel *l_ReceiptWidth;
    QComboBox *m_ReceiptWidth; // 32, 42, 48 columns
    QGroupBox *groupReporting;
    QLabel *l_DefRep;
    QtWidgets::TComboBox *m_DefRep;
    QLabel *l_DefFlt;
    QtWidgets::TComboBox *m_DefFlt;
    QCheckBox *m_OpenTabs;
    QCheckBox *m_WithoutCredits;
    QWidget *tabReports;
    QLabel *l_Reports;
    QTreeWidget *m_Reports;
    QPushButton *buttonHelp;
    QPushButton *buttonOk;
    QPushButton *buttonCancel;

public Q_SLOTS:
    virtual void onHelp();

protected Q_SLOTS:
    virtual void languageChange();
};
