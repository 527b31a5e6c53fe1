#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QListWidget;

// Lets the user pick one of the prepared reports and switch off the
// report's and the pages' headers and footers. Each entry is the
// ";"-separated text "report file;name;picture;ini file": the list shows
// the name with the picture as its icon.
class TDlgCrystal : public QDialog
{
    Q_OBJECT
public:
    // `current` selects an entry at the start (-1: none).
    TDlgCrystal(const QStringList &entries, int current, QWidget *parent = nullptr);
    ~TDlgCrystal() override;

    // The chosen entry's text; empty when none is chosen. (Hides
    // QDialog::result(), which tells how the dialog ended.)
    QString result() const;
    // "yes" or "no" for "noheader", "nofooter", "nopageheader" and
    // "nopagefooter", in this order.
    QStringList getHdrFtr() const;

    QListWidget *list() const { return m_list; }
    // The four switches, in the order of getHdrFtr().
    QList<QCheckBox *> switches() const { return m_switches; }

private:
    QStringList m_entries;
    QListWidget *m_list;
    QList<QCheckBox *> m_switches;
};
