#include "toffdlg.h"

#include "tcombobox.h"
#include "terror.h"
#include "toffconfig.h"
#include "toffhelp.h"
#include "tvalue.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QIntValidator>
#include <QLineEdit>
#include <QMessageBox>
#include <QUrl>

namespace {

// The texts of this file, translated in the context "TOffDlg".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TOffDlg)
};

} // namespace

bool TOffDlg::checkDlgRight(QWidget *dialog)
{
    if (!dialog)
        return false;
    const QString name = dialog->objectName();
    if (!TOffConfig::checkDlgRight(name))
        return false;
    for (QWidget *child : dialog->findChildren<QWidget *>()) {
        const QString element = child->objectName();
        if (element.isEmpty() || element.startsWith(QLatin1String("qt_")))
            continue;
        if (!TOffConfig::checkDlgRight(name, element))
            child->setEnabled(false);
    }
    return true;
}

bool TOffDlg::checkElement(QWidget *dialog, const QString &element)
{
    return dialog && TOffConfig::checkDlgRight(dialog->objectName(), element);
}

bool TOffDlg::checkOpen(QWidget *dialog)
{
    if (checkDlgRight(dialog))
        return true;
    QWidget *parent = dialog ? dialog->parentWidget() : nullptr;
    error(parent, Text::tr("You have no right to use the dialog \"%1\".")
                          .arg(dialog ? dialog->windowTitle() : QString()));
    return false;
}

void TOffDlg::setEnabled(QWidget *dialog, QWidget *element, bool enabled)
{
    if (element)
        element->setEnabled(enabled && checkElement(dialog, element->objectName()));
}

void TOffDlg::setListID(QLineEdit *field, Basics::TValueList *list, Basics::TValue *record)
{
    if (!field)
        return;
    if (!field->validator())
        field->setValidator(new QIntValidator(0, 2147483647, field));
    if (record)
        field->setText(QString::number(record->id()));
    else
        field->setText(QString::number(list ? list->nextId() : 1));
    field->setReadOnly(record != nullptr);
}

int TOffDlg::getListID(const QLineEdit *field)
{
    bool ok = false;
    const int id = field ? field->text().trimmed().toInt(&ok) : -1;
    return ok ? id : -1;
}

void TOffDlg::fillCombo(QtWidgets::TComboBox *box, Basics::TValueList *list, const QString &none)
{
    if (!box)
        return;
    box->clear();
    if (!none.isEmpty())
        box->insertItem(0, none);
    if (!list)
        return;
    for (Basics::TValue *value : list->values())
        box->insertItem(value->id(), value->name());
}

Basics::TValue *TOffDlg::neighbour(Basics::TValueList *list, Basics::TValue *record, int step)
{
    if (!list || !record)
        return nullptr;
    const QList<int> ids = list->ids();
    const int at = int(ids.indexOf(record->id()));
    if (at < 0 || at + step < 0 || at + step >= ids.size())
        return nullptr;
    return list->find(ids.at(at + step));
}

void TOffDlg::setNavigation(QWidget *first, QWidget *prev, QWidget *next, QWidget *last,
                            Basics::TValueList *list, Basics::TValue *record)
{
    const bool before = neighbour(list, record, -1) != nullptr;
    const bool after = neighbour(list, record, 1) != nullptr;
    if (first)
        first->setEnabled(before);
    if (prev)
        prev->setEnabled(before);
    if (next)
        next->setEnabled(after);
    if (last)
        last->setEnabled(after);
}

void TOffDlg::showHelp(QWidget *parent, const QString &topic)
{
    TOffHelp::show(parent, topic);
}

void TOffDlg::fatal(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent, Text::tr("Fatal error"), text);
}

bool TOffDlg::writeConfig(QWidget *parent)
{
    try {
        TOffConfig::write();
        return true;
    } catch (const Basics::TError &e) {
        error(parent,
              Text::tr("Could not write the configuration: %1").arg(TOffConfig::failureText(e)));
        return false;
    }
}

void TOffDlg::error(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent, Text::tr("Error"), text);
}

void TOffDlg::warning(QWidget *parent, const QString &text)
{
    QMessageBox::warning(parent, Text::tr("Warning"), text);
}
