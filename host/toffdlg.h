#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace Basics {
class TValue;
class TValueList;
} // namespace Basics
namespace QtWidgets {
class TComboBox;
}

// Static helpers of the back office's dialogs: rights, number fields,
// record combo boxes, record navigation, help and messages.
class TOffDlg
{
public:
    // Applies the current user's dialog rights (TOffConfig, section
    // "DialogAccess") to the dialog: every named element without the right
    // is disabled. False when the user may not use the dialog at all.
    static bool checkDlgRight(QWidget *dialog);
    // Whether the user may use the named element of the dialog.
    static bool checkElement(QWidget *dialog, const QString &element);
    // The check every dialog makes when it opens: applies the rights as
    // checkDlgRight does; when the user may not use the dialog at all,
    // says so in a message box and returns false (the dialog then does not
    // open).
    static bool checkOpen(QWidget *dialog);
    // Enables an element of the dialog, but only as far as the user's
    // right for it allows: for elements enabled and disabled while the
    // dialog is up (navigation, buttons that need a selection).
    static void setEnabled(QWidget *dialog, QWidget *element, bool enabled);

    // Sets up a record number field: the record's id, or the list's next
    // free id for a new record (null record). Only numbers can be typed;
    // an existing record's number is read-only.
    static void setListID(QLineEdit *field, Basics::TValueList *list, Basics::TValue *record);
    // The number in the field; -1 when it holds none.
    static int getListID(const QLineEdit *field);

    // Fills a numbered combo box with the list's records ("name" as text),
    // after a first item with number 0 when `none` is not empty.
    static void fillCombo(QtWidgets::TComboBox *box, Basics::TValueList *list,
                          const QString &none = QString());

    // Enables first/previous/next/last for the record's place in the list;
    // all four are disabled without a record. Null buttons are skipped.
    static void setNavigation(QWidget *first, QWidget *prev, QWidget *next, QWidget *last,
                              Basics::TValueList *list, Basics::TValue *record);
    // The record before or after `record` in id order (null at the ends).
    static Basics::TValue *neighbour(Basics::TValueList *list, Basics::TValue *record, int step);

    // Opens the user manual at the topic's section (TOffHelp).
    static void showHelp(QWidget *parent, const QString &topic);

    // Writes the back office's configuration; when that fails, says so in a
    // box over `parent` ("Could not write the configuration: …") and
    // returns false: what was not saved is dropped and not in use.
    static bool writeConfig(QWidget *parent);

    static void fatal(QWidget *parent, const QString &text);
    static void error(QWidget *parent, const QString &text);
    static void warning(QWidget *parent, const QString &text);
};
