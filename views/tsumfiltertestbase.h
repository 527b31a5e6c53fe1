#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTabWidget;
namespace QtWidgets {
class TComboBox;
}

// The layout of the filter test: page "&General" with cost center,
// waiter, table, article and family, page "Pa&yment" with payment form and
// VAT rate, and the buttons "Help", "Start", "&Script..." and "Close". The
// slots are for the subclass; here they only write a debug trace.
class TSumFilterTestBase : public QDialog
{
    Q_OBJECT
public:
    explicit TSumFilterTestBase(QWidget *parent = nullptr);
    ~TSumFilterTestBase() override;

    // Applies the user's dialog rights first; a dialog the user may not
    // use does not open.
    int exec() override;

    QTabWidget *tabWidget;
    QWidget *pageGeneral;
    QWidget *pagePayment;
    QLabel *l_Center;
    QtWidgets::TComboBox *m_Center;
    QLabel *l_Waiter;
    QtWidgets::TComboBox *m_Waiter;
    QLabel *l_Table;
    QtWidgets::TComboBox *m_Table;
    QLabel *l_Article;
    QtWidgets::TComboBox *m_Article;
    QLabel *l_Family;
    QtWidgets::TComboBox *m_Family;
    QLabel *l_Payform;
    QtWidgets::TComboBox *m_Payform;
    QLabel *l_Vat;
    QtWidgets::TComboBox *m_Vat;
    QPushButton *buttonHelp;
    QPushButton *buttonStart;
    QPushButton *buttonView;
    QPushButton *buttonClose;

public Q_SLOTS:
    virtual void onHelp();
    virtual void onStart();
    virtual void onView();

protected Q_SLOTS:
    virtual void languageChange();
};
