#include "tfirststartdlg.h"

#include "toffhelp.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

TFirstStartDlg::TFirstStartDlg(const QString &lookedAt, QWidget *parent)
    : QDialog(parent)
    , m_lookedAt(QDir(lookedAt).absolutePath())
    , m_title(new QLabel(this))
    , m_message(new QLabel(this))
    , m_choose(new QPushButton(this))
    , m_demo(new QPushButton(this))
    , m_manual(new QPushButton(this))
    , m_quit(new QPushButton(this))
{
    setObjectName(QStringLiteral("firstStart"));
    m_ask = [](QWidget *owner, const QString &start) {
        return QFileDialog::getExistingDirectory(owner, QString(), start);
    };
    QFont big = m_title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_title->setFont(big);
    m_title->setWordWrap(true);
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_message->setObjectName(QStringLiteral("message"));
    m_choose->setObjectName(QStringLiteral("b_Choose"));
    m_demo->setObjectName(QStringLiteral("b_Demo"));
    m_manual->setObjectName(QStringLiteral("b_Manual"));
    m_quit->setObjectName(QStringLiteral("b_Quit"));
    m_choose->setDefault(true);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {m_choose, m_demo, m_manual})
        buttons->addWidget(button);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_quit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_message);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->addStretch(1);
    layout->addLayout(bottom);

    connect(m_choose, &QPushButton::clicked, this, &TFirstStartDlg::onChoose);
    connect(m_demo, &QPushButton::clicked, this, &TFirstStartDlg::onDemo);
    connect(m_manual, &QPushButton::clicked, this, &TFirstStartDlg::onManual);
    connect(m_quit, &QPushButton::clicked, this, &QDialog::reject);
    setTexts();
    setMinimumWidth(560);
}

TFirstStartDlg::~TFirstStartDlg() = default;

bool TFirstStartDlg::isInstallation(const QString &folder)
{
    return !folder.isEmpty()
           && QFileInfo(QDir(folder).filePath(QStringLiteral("usr/data/settings.dat"))).isFile();
}

QString TFirstStartDlg::startFolder(const QString &workingDir, const QString &remembered)
{
    if (isInstallation(workingDir) || !isInstallation(remembered))
        return workingDir;
    return remembered;
}

void TFirstStartDlg::setTexts()
{
    setWindowTitle(tr("Veltrum back office - no installation"));
    m_title->setText(tr("There is no POS installation in this folder"));
    const bool exists = QFileInfo(m_lookedAt).isDir();
    m_message->setText(
            (exists ? tr("The back office looked for the data of the POS terminals in\n%1\nbut "
                         "found no installation there (its settings list usr/data/settings.dat "
                         "is missing). Reports over this folder would show nothing but zeros.")
                    : tr("The back office looked for the data of the POS terminals in\n%1\nbut "
                         "that folder does not exist."))
                    .arg(QDir::toNativeSeparators(m_lookedAt))
            + QStringLiteral("\n\n")
            + tr("Choose the folder of your installation, or create a demo restaurant to try "
                 "the program on. Your choice is remembered for the next start."));
    m_choose->setText(tr("&Choose the installation's folder..."));
    m_demo->setText(tr("Create a &demo restaurant..."));
    m_manual->setText(tr("&How do I point the back office at an installation?"));
    m_quit->setText(tr("&Quit"));
}

void TFirstStartDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    QDialog::changeEvent(event);
}

void TFirstStartDlg::onChoose()
{
    const QString folder
            = m_ask(this, QFileInfo(m_lookedAt).isDir() ? m_lookedAt : QDir::homePath());
    if (folder.isEmpty())
        return;
    if (!isInstallation(folder)) {
        QMessageBox::warning(this, tr("No installation"),
                             tr("%1 holds no installation either: usr/data/settings.dat is "
                                "missing there. Choose the folder that holds the folders usr "
                                "and var of the POS installation.")
                                     .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    m_folder = QDir(folder).absolutePath();
    accept();
}

void TFirstStartDlg::onDemo()
{
    const QString start = QDir(QStandardPaths::writableLocation(QStandardPaths::HomeLocation))
                                  .filePath(QStringLiteral("veltrum-demo"));
    const QString folder = m_ask(this, QFileInfo(start).isDir() ? start : QDir::homePath());
    if (folder.isEmpty())
        return;
    if (isInstallation(folder)) {
        // a demo made before: opened as it is
        m_folder = QDir(folder).absolutePath();
        accept();
        return;
    }
    // a demo goes into an empty folder only, so that nothing is overwritten:
    // in a folder with files, into its subfolder "veltrum-demo"
    QString target = folder;
    if (!QDir(folder).isEmpty()) {
        target = QDir(folder).filePath(QStringLiteral("veltrum-demo"));
        if (isInstallation(target)) {
            m_folder = QDir(target).absolutePath();
            accept();
            return;
        }
        if (QFileInfo(target).exists() && !QDir(target).isEmpty()) {
            QMessageBox::warning(this, tr("Create a demo restaurant"),
                                 tr("%1 is not empty. A demo is written into an empty folder "
                                    "only, so that nothing in it is overwritten.")
                                         .arg(QDir::toNativeSeparators(target)));
            return;
        }
    }
    QString error;
    if (!m_writer || !m_writer(target, &error)) {
        QMessageBox::critical(this, tr("Create a demo restaurant"),
                              tr("The demo could not be written into %1: %2")
                                      .arg(QDir::toNativeSeparators(target), error));
        return;
    }
    m_folder = QDir(target).absolutePath();
    accept();
}

void TFirstStartDlg::onManual()
{
    TOffHelp::show(this, QStringLiteral("firststart"));
}
