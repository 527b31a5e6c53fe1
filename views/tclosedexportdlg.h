#pragma once

#include <QDate>
#include <QDateTime>
#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
class TProgressRun;
namespace QtWidgets {
class TDatePicker;
}

// "Export bookings…" and "Export for the tax audit…" of the Reporting
// menu: the closed days of a range (the previous month by default) into
// the booking batch for the accounting software (a file; the chart of
// accounts, and whether days exported before go out again with other
// bookings) or into the cash-register audit export (a new folder, or a
// file ending in .zip). "Export" runs it as 'veltrum export bookings' and
// 'veltrum export audit' do; the dialog closes when everything was written
// and says what, and stays open with the reason in a message box when not.
class TClosedExportDlg : public QDialog
{
    Q_OBJECT
public:
    enum Kind { Bookings, Audit };

    // `root`: the installation's directory.
    TClosedExportDlg(Kind kind, const QString &root, QWidget *parent = nullptr);
    ~TClosedExportDlg() override;

    Kind kind() const { return m_kind; }
    QDate from() const;
    QDate to() const;
    void setRange(const QDate &from, const QDate &to);
    QString output() const;
    void setOutput(const QString &path);
    // Bookings: "skr03", "skr04", or empty for etc/accounting.ini's choice.
    QString chart() const;
    void setChart(const QString &chart);
    bool force() const;
    void setForce(bool force);
    // The clock of the bookings' header; the current time unless set.
    void setNow(const QDateTime &now) { m_now = now; }

    // Runs the export away from the window, with its progress per day and
    // Cancel. True with `result` saying what was written (one line per
    // file); false with `result` naming the day, file or key and why
    // (nothing or not everything was written), or saying it was cancelled.
    bool runExport(QString *result);
    // The progress of an export while it runs; null otherwise.
    TProgressRun *progress() const { return m_progress; }
    // What the last successful export wrote, as runExport() said it.
    QString resultText() const { return m_result; }

    QtWidgets::TDatePicker *fromPicker() const { return m_from; }
    QtWidgets::TDatePicker *toPicker() const { return m_to; }
    QLineEdit *outputEdit() const { return m_output; }
    QComboBox *chartBox() const { return m_chart; }
    QCheckBox *forceBox() const { return m_force; }

public Q_SLOTS:
    // Runs the export; closes on success, else shows why.
    void accept() override;

private:
    // Runs `work`, an export's run(), on a thread of its own with the
    // exporter's progress shown and Cancel passed on.
    template<typename Exporter>
    void runAway(Exporter &exporter, const std::function<void()> &work);
    void chooseOutput();
    // The output proposed for the range: in the user's documents folder.
    QString proposedOutput() const;
    void proposeOutput();

    Kind m_kind;
    QString m_root;
    QDateTime m_now;
    QString m_result;
    TProgressRun *m_progress = nullptr;
    bool m_outputChosen = false;
    QtWidgets::TDatePicker *m_from;
    QtWidgets::TDatePicker *m_to;
    QLineEdit *m_output;
    QToolButton *m_browse;
    QComboBox *m_chart = nullptr;
    QCheckBox *m_force = nullptr;
};
