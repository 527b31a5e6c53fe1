#include "dialogbuttons.h"

#include <QBoxLayout>
#include <QPushButton>

QPushButton *newButton(QWidget *parent, const char *name)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

void addDialogButtons(QWidget *parent, QBoxLayout *row, QPushButton *&help, QPushButton *&ok,
                      QPushButton *&cancel)
{
    help = newButton(parent, "buttonHelp");
    ok = newButton(parent, "buttonOk");
    ok->setAutoDefault(true);
    ok->setDefault(true);
    cancel = newButton(parent, "buttonCancel");
    row->addWidget(help);
    row->addWidget(ok);
    row->addWidget(cancel);
}

void addNavigationButtons(QWidget *parent, QBoxLayout *row, QPushButton *&first, QPushButton *&prev,
                          QPushButton *&next, QPushButton *&last)
{
    const struct
    {
        QPushButton *&button;
        const char *name;
        const char16_t *glyph;
    } buttons[] = {
            {first, "b_First", u"|\u25C0"},
            {prev, "b_Prev", u"\u25C0"},
            {next, "b_Next", u"\u25B6"},
            {last, "b_Last", u"\u25B6|"},
    };
    for (const auto &b : buttons) {
        b.button = newButton(parent, b.name);
        b.button->setText(QString::fromUtf16(b.glyph));
        b.button->setMaximumWidth(36);
        row->addWidget(b.button);
    }
}
