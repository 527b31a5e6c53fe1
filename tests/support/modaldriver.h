#pragma once

// Widget tests: answers the modal dialogs and message boxes that a window
// puts up while the test calls into it. Header-only, so that only the
// widget tests pull in the widgets.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

// Each modal dialog that comes up is handed to the next handler in line;
// without one it is rejected. Message boxes are noted as "caption: text".
class ModalDriver : public QObject
{
public:
    using Handler = std::function<void(QDialog *)>;

    ModalDriver()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start();
    }

    // Handles the next dialog.
    void then(Handler handler) { m_handlers.append(std::move(handler)); }
    // Whether handlers wait for their dialogs still.
    bool pending() const { return !m_handlers.isEmpty(); }
    // Answers the next message box with the button of that role.
    void answer(QMessageBox::StandardButton button)
    {
        then([button](QDialog *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            if (box && box->button(button))
                box->button(button)->click();
            else
                dialog->reject();
        });
    }

    // Answers the next file dialog as a user would: `fileName` typed into
    // its name field and accepted. The file the dialog offered goes to
    // `offered`.
    void chooseFile(const QString &fileName, QString *offered = nullptr)
    {
        then([fileName, offered](QDialog *dialog) {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            auto *name = files ? files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
                               : nullptr;
            if (!name) {
                ADD_FAILURE() << "a file dialog was expected, not "
                              << dialog->objectName().toStdString();
                dialog->reject();
                return;
            }
            if (offered)
                *offered = files->selectedFiles().value(0);
            name->setText(fileName);
            dialog->accept(); // the file dialog's own accept
        });
    }

    // "caption: text" of every message box seen, in order.
    QStringList boxes;
    // Object names of the other dialogs seen, in order.
    QStringList dialogs;
    // Dialogs left alone: progress dialogs are shown during a run, not run.
    QStringList ignored {QStringLiteral("trepprogress"), QStringLiteral("progressrun")};

private:
    void poll()
    {
        if (m_underBox && !m_underBox->isVisible())
            m_underBox = nullptr;
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog == m_last || !dialog->isVisible()
            || ignored.contains(dialog->objectName()))
            return;
        // a dialog that is modal again because a box it put up closed was
        // handled already
        if (dialog == m_underBox)
            return;
        m_last = dialog;
        if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            boxes << box->windowTitle() + QStringLiteral(": ") + box->text();
            m_underBox = box->parentWidget()
                                 ? qobject_cast<QDialog *>(box->parentWidget()->window())
                                 : nullptr;
        } else {
            dialogs << dialog->objectName();
        }
        if (m_handlers.isEmpty()) {
            dialog->reject();
            return;
        }
        // From a timer of its own: a timer does not fire again while its
        // own slot runs, and a handler may put up further dialogs (a
        // message box after OK, a dialog of the dialog) for the next ones.
        Handler handler = m_handlers.takeFirst();
        QPointer<QDialog> guard(dialog);
        QTimer::singleShot(0, this, [handler, guard] {
            if (guard)
                handler(guard);
        });
    }

    QTimer m_timer;
    QList<Handler> m_handlers;
    QPointer<QDialog> m_last;
    QPointer<QDialog> m_underBox;
};
