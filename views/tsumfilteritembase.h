#pragma once

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;

// The layout of the filter item editor: the note "All other filter items
// must match", the kind list ("&from"), the attribute box ("&entry"), the
// comparison ("&must be" … "than") and the value as text, date or time,
// with "Help", OK, "Cancel". The slots are for the subclass; here they only
// write a debug trace.
class TSumFilterItemBase : public QDialog
{
    Q_OBJECT
public:
    explicit TSumFilterItemBase(QWidget *parent = nullptr);
    ~TSumFilterItemBase() override;

    // Applies the user's dialog rights first; a dialog the user may not
    // use does not open.
    int exec() override;

    QLabel *l_Note;
    QLabel *l_List;
    QComboBox *m_List;
    QLabel *l_Entry;
    QComboBox *m_Entry;
    QLabel *l_Comp;
    QComboBox *m_Comp;
    QLabel *l_Than;
    QLineEdit *m_Value;
    QDateEdit *m_Date;
    QTimeEdit *m_Time;
    QPushButton *buttonHelp;
    QPushButton *buttonOk;
    QPushButton *buttonCancel;

public Q_SLOTS:
    virtual void onList(int index);
    virtual void onEntry(const QString &text);
    virtual void onHelp();

protected Q_SLOTS:
    virtual void languageChange();
};
