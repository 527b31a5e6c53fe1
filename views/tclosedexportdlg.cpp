#include "tclosedexportdlg.h"

#include "tauditexport.h"
#include "tbookingsexport.h"
#include "tdatepicker.h"
#include "tprogressrun.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>

using namespace PosLib;

TClosedExportDlg::TClosedExportDlg(Kind kind, const QString &root, QWidget *parent)
    : QDialog(parent)
    , m_kind(kind)
    , m_root(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'))
    , m_from(new QtWidgets::TDatePicker(this))
    , m_to(new QtWidgets::TDatePicker(this))
    , m_output(new QLineEdit(this))
    , m_browse(new QToolButton(this))
{
    setObjectName(kind == Bookings ? QStringLiteral("TExportBookingsDlg")
                                   : QStringLiteral("TExportAuditDlg"));
    setWindowTitle(kind == Bookings ? tr("Export bookings") : tr("Export for the tax audit"));
    m_from->setAllowEmpty(false);
    m_to->setAllowEmpty(false);
    // the month before this one, as the tax adviser asks for it
    const QDate firstOfMonth = QDate::currentDate().addDays(1 - QDate::currentDate().day());
    m_from->setDate(firstOfMonth.addMonths(-1));
    m_to->setDate(firstOfMonth.addDays(-1));
    m_browse->setText(QStringLiteral("..."));
    m_browse->setToolTip(tr("Choose where the export goes"));

    auto *form = new QFormLayout;
    form->addRow(tr("&From:"), m_from);
    form->addRow(tr("&To:"), m_to);
    auto *where = new QHBoxLayout;
    where->addWidget(m_output, 1);
    where->addWidget(m_browse);
    // a label of its own: a row of a layout gets no buddy for its shortcut
    auto *whereLabel = new QLabel(kind == Bookings ? tr("&File:") : tr("&Folder or .zip:"), this);
    whereLabel->setBuddy(m_output);
    form->addRow(whereLabel, where);
    if (kind == Bookings) {
        m_chart = new QComboBox(this);
        m_chart->addItem(tr("As etc/accounting.ini says"), QString());
        m_chart->addItem(tr("SKR03"), QStringLiteral("skr03"));
        m_chart->addItem(tr("SKR04"), QStringLiteral("skr04"));
        form->addRow(tr("&Chart of accounts:"), m_chart);
        m_force = new QCheckBox(tr("Export days again that went out with other bookings"), this);
        m_force->setToolTip(tr("A day exported before goes out again only as the same bookings; "
                               "this replaces the record of the days exported"));
        form->addRow(QString(), m_force);
    }
    auto *note = new QLabel(this);
    note->setWordWrap(true);
    note->setText(kind == Bookings
                          ? tr("Only closed days whose closings verify are exported. The accounts "
                               "come from etc/accounting.ini (see docs/exports.md).")
                          : tr("Only closed days whose closings verify are exported. The company "
                               "comes from etc/company.ini (see docs/exports.md). The terminals "
                               "record no security module: its fields stay empty."));

    // a button of its own: a standard one takes back its text when the
    // language changes
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(tr("&Export"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TClosedExportDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_browse, &QToolButton::clicked, this, &TClosedExportDlg::chooseOutput);
    // the proposed name follows the range until the user picks one
    connect(m_from, &QtWidgets::TDatePicker::dateChanged, this, &TClosedExportDlg::proposeOutput);
    connect(m_to, &QtWidgets::TDatePicker::dateChanged, this, &TClosedExportDlg::proposeOutput);
    connect(m_output, &QLineEdit::textEdited, this, [this] { m_outputChosen = true; });
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    proposeOutput();
    m_output->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 64);
}

TClosedExportDlg::~TClosedExportDlg() = default;

QDate TClosedExportDlg::from() const
{
    return m_from->date();
}

QDate TClosedExportDlg::to() const
{
    return m_to->date();
}

void TClosedExportDlg::setRange(const QDate &from, const QDate &to)
{
    m_from->setDate(from);
    m_to->setDate(to);
    proposeOutput();
}

QString TClosedExportDlg::output() const
{
    return m_output->text().trimmed();
}

void TClosedExportDlg::setOutput(const QString &path)
{
    m_output->setText(path);
    m_outputChosen = true;
}

QString TClosedExportDlg::chart() const
{
    return m_chart ? m_chart->currentData().toString() : QString();
}

void TClosedExportDlg::setChart(const QString &chart)
{
    if (m_chart)
        m_chart->setCurrentIndex(qMax(0, m_chart->findData(chart)));
}

bool TClosedExportDlg::force() const
{
    return m_force && m_force->isChecked();
}

void TClosedExportDlg::setForce(bool force)
{
    if (m_force)
        m_force->setChecked(force);
}

QString TClosedExportDlg::proposedOutput() const
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    const QDate a = from(), b = to();
    if (m_kind == Bookings)
        return QDir(folder).filePath(TBookingsExport::defaultName(a, b));
    return QDir(folder).filePath(QStringLiteral("audit_%1_%2.zip")
                                         .arg(a.toString(QStringLiteral("yyyyMMdd")),
                                              b.toString(QStringLiteral("yyyyMMdd"))));
}

void TClosedExportDlg::proposeOutput()
{
    if (!m_outputChosen)
        m_output->setText(proposedOutput());
}

void TClosedExportDlg::chooseOutput()
{
    const QString path
            = m_kind == Bookings
                      ? QFileDialog::getSaveFileName(this, windowTitle(), output(),
                                                     tr("Booking batches (*.csv)"))
                      : QFileDialog::getSaveFileName(this, windowTitle(), output(),
                                                     tr("ZIP archives (*.zip);;A new folder (*)"),
                                                     nullptr, QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty())
        setOutput(path);
}

template<typename Exporter>
void TClosedExportDlg::runAway(Exporter &exporter, const std::function<void()> &work)
{
    // a year of closed days takes a while: the window stays responsive
    TProgressRun progress(this, windowTitle(), tr("Reading the closed days..."));
    exporter.setProgress(
            [&progress](const QDate &, int index, int count) { progress.step(index, count); });
    exporter.setKeepGoing([&progress] { return !progress.isCancelled(); });
    m_progress = &progress;
    progress.run(work);
    m_progress = nullptr;
}

bool TClosedExportDlg::runExport(QString *result)
{
    if (!from().isValid() || !to().isValid() || from() > to()) {
        *result = tr("Please enter a range whose first day is not after its last.");
        return false;
    }
    if (output().isEmpty()) {
        *result = tr("Please name where the export goes.");
        return false;
    }
    QString error;
    if (m_kind == Bookings) {
        TBookingsRequest request;
        request.root = m_root;
        request.from = from();
        request.to = to();
        request.chart = chart();
        request.output = output();
        request.force = force();
        request.now = m_now;
        QList<TBookingsFile> files;
        TBookingsExport exporter;
        bool done = false;
        runAway(exporter, [&] { done = exporter.run(request, &files, &error); });
        QStringList lines;
        for (const TBookingsFile &file : std::as_const(files))
            lines << tr("%1: %2, %3%4")
                             .arg(QDir::toNativeSeparators(file.path),
                                  tr("%n closed day(s)", nullptr, file.days),
                                  tr("%n booking(s)", nullptr, file.bookings),
                                  file.again ? tr(" (exported before, the same bytes)")
                                             : QString());
        if (done)
            *result = lines.join(QLatin1Char('\n'));
        else if (lines.isEmpty())
            *result = error;
        else
            // a batch of an earlier fiscal year went out before the failure
            *result = tr("%1\n\nWritten before:\n%2").arg(error, lines.join(QLatin1Char('\n')));
        return done;
    }
    TAuditRequest request;
    request.root = m_root;
    request.from = from();
    request.to = to();
    request.output = output();
    request.now = m_now;
    TAuditResult written;
    TAuditExport exporter;
    bool done = false;
    runAway(exporter, [&] { done = exporter.run(request, &written, &error); });
    if (!done) {
        *result = error;
        return false;
    }
    *result = tr("%1: %2, %3, %4, %5")
                      .arg(QDir::toNativeSeparators(written.path),
                           tr("%n closed day(s)", nullptr, written.days),
                           tr("%n closing(s)", nullptr, written.closings),
                           tr("%n bill(s)", nullptr, written.bills),
                           tr("%n file(s)", nullptr, written.files));
    return true;
}

void TClosedExportDlg::accept()
{
    QString result;
    const bool written = runExport(&result);
    if (!written) {
        QMessageBox::warning(this, windowTitle(), result);
        return;
    }
    m_result = result;
    QDialog::accept();
}
