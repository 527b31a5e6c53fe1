#pragma once

#include <QDialog>

class QDateEdit;
class QLabel;
class QPushButton;
class QToolButton;
namespace QtWidgets {
class TComboBox;
}

// The form of the day turnover dialog ("Turnover settings"): the waiter
// whose tables are closed and the day to close.
class TTurnOverDlgBase : public QDialog
{
    Q_OBJECT
public:
    explicit TTurnOverDlgBase(QWidget *parent = nullptr);
    ~TTurnOverDlgBase() override;

    // Applies the user's dialog rights first; a dialog the user may not
    // use does not open.
    int exec() override;

    QtWidgets::TComboBox *m_Waiter;
    QDateEdit *m_Date;
    QToolButton *b_Date;
    QPushButton *b_Help;
    QPushButton *b_Ok;
    QPushButton *b_Cancel;

public Q_SLOTS:
    virtual void onHelp();
    virtual void languageChange();

private:
    QLabel *m_WaiterLabel;
    QLabel *m_DateLabel;
};
