#pragma once

class QBoxLayout;
class QPushButton;
class QWidget;

// The button rows that the generated dialog layouts share.

// Appends "Help", OK and "Cancel" (named buttonHelp, buttonOk and
// buttonCancel; OK is the default button) to the row. The texts are the
// dialog's to set.
void addDialogButtons(QWidget *parent, QBoxLayout *row, QPushButton *&help, QPushButton *&ok,
                      QPushButton *&cancel);

// Appends the record navigation, first, previous, next and last (named
// b_First, b_Prev, b_Next, b_Last), drawn as arrows.
void addNavigationButtons(QWidget *parent, QBoxLayout *row, QPushButton *&first, QPushButton *&prev,
                          QPushButton *&next, QPushButton *&last);

// A push button that Enter does not press unless it has the focus.
QPushButton *newButton(QWidget *parent, const char *name);
