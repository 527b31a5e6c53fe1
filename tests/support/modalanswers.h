#pragma once
// Header only: for the widget tests, which link the widgets themselves.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>

// Answers the modal windows that come up while a test runs: message boxes
// are noted and closed, dialogs get the next handler queued for them (and
// are rejected when none is left), so no test waits for a user.
class ModalAnswers : public QObject
{
public:
    using Handler = std::function<void(QDialog *)>;

    ModalAnswers()
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswers::look);
        m_timer.start(5);
    }

    // The next modal dialog goes to `handler`, which should close it.
    void then(Handler handler) { m_handlers.append(std::move(handler)); }
    // The next message box is answered with this button (else with its
    // default button, or closed).
    void answer(QMessageBox::StandardButton button) { m_answers.append(button); }
    bool pending() const { return !m_handlers.isEmpty(); }

    // Texts of the message boxes closed so far.
    QStringList messages;
    // Object names of the dialogs that came up, in order.
    QStringList dialogs;

private:
    void look()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_last)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            m_last = box;
            messages << box->text();
            QAbstractButton *button = box->defaultButton();
            if (!m_answers.isEmpty())
                button = box->button(m_answers.takeFirst());
            if (button)
                button->click();
            else
                box->done(QMessageBox::Ok);
            return;
        }
        auto *dialog = qobject_cast<QDialog *>(modal);
        if (!dialog)
            return;
        m_last = dialog;
        dialogs << dialog->objectName();
        if (m_handlers.isEmpty()) {
            dialog->reject();
            return;
        }
        // Run from a timer of its own: a timer does not fire again while its
        // own slot runs, and the handler may open further dialogs.
        const Handler handler = m_handlers.takeFirst();
        QPointer<QDialog> guard(dialog);
        QTimer::singleShot(0, this, [this, handler, guard] {
            if (!guard)
                return;
            handler(guard);
            // a handler that left the dialog open lets it be looked at again
            if (guard && guard->isVisible() && m_last == guard)
                m_last = nullptr;
        });
    }

    QTimer m_timer;
    QList<Handler> m_handlers;
    QList<QMessageBox::StandardButton> m_answers;
    QPointer<QWidget> m_last;
};
