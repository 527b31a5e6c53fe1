#include "toffhelp.h"

#include "toffapplication.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

QPointer<TOffHelp> TOffHelp::s_window;

namespace {

// The places the manual is looked for, in this order.
QStringList manualCandidates()
{
    QStringList dirs;
    const QString named = qEnvironmentVariable("VELTRUM_MANUAL_DIR");
    if (!named.isEmpty())
        dirs << named;
    const QDir program(QCoreApplication::applicationDirPath());
    // beside the program, as in the build and in the installed package,
    // where "help" leads to the shared copy
    dirs << program.filePath(QStringLiteral("help"))
         << program.filePath(QStringLiteral("../share/veltrum/help"))
         << QStringLiteral("/usr/share/veltrum/help");
    return dirs;
}

QString currentLanguage()
{
    TOffApplication *application = TOffApplication::instance();
    return application ? application->language() : QStringLiteral("en");
}

} // namespace

QString TOffHelp::manualDir()
{
    for (const QString &dir : manualCandidates())
        if (QFileInfo(QDir(dir).filePath(QStringLiteral("en/index.html"))).isFile())
            return QDir(dir).absolutePath();
    return QString();
}

QUrl TOffHelp::topicUrl(const QString &topic, const QString &language)
{
    const QString dir = manualDir();
    if (dir.isEmpty())
        return QUrl();
    const QString lang = language == QLatin1String("de") ? language : QStringLiteral("en");
    QUrl url = QUrl::fromLocalFile(QDir(dir).filePath(lang + QStringLiteral("/index.html")));
    // "veltrum.html#batch" and "batch" name the same section
    const qsizetype hash = topic.indexOf(QLatin1Char('#'));
    const QString section = hash >= 0                                ? topic.mid(hash + 1)
                            : topic.endsWith(QLatin1String(".html")) ? QString()
                                                                     : topic;
    if (!section.isEmpty())
        url.setFragment(section);
    return url;
}

TOffHelp *TOffHelp::window()
{
    return s_window;
}

void TOffHelp::show(QWidget *parent, const QString &topic)
{
    const QUrl url = topicUrl(topic, currentLanguage());
    if (!url.isValid()) {
        QMessageBox::warning(parent, tr("Help"),
                             tr("The user manual is not installed. It was looked for in:\n%1")
                                     .arg(manualCandidates().join(QLatin1Char('\n'))));
        return;
    }
    // one help window, above the window that asks: a modal dialog lets the
    // user work only in itself and in the windows it owns
    QWidget *owner = parent ? parent->window() : nullptr;
    if (s_window && s_window->parentWidget() != owner) {
        s_window->close();
        delete s_window;
    }
    if (!s_window)
        s_window = new TOffHelp(owner);
    s_window->m_topic = topic;
    s_window->showUrl(url);
    s_window->QDialog::show();
    s_window->raise();
    s_window->activateWindow();
}

TOffHelp::TOffHelp(QWidget *parent)
    : QDialog(parent)
    , m_browser(new QTextBrowser(this))
    , m_back(new QPushButton(this))
    , m_contents(new QPushButton(this))
    , m_external(new QPushButton(this))
    , m_close(new QPushButton(this))
{
    setObjectName(QStringLiteral("helpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    // beside a modal dialog that asked for it, the help can be read and used
    setWindowModality(Qt::NonModal);
    m_browser->setObjectName(QStringLiteral("helpText"));
    m_browser->setOpenExternalLinks(true);
    m_back->setEnabled(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_contents);
    buttons->addStretch(1);
    buttons->addWidget(m_external);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addLayout(buttons);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_contents, &QPushButton::clicked, this,
            [this] { showUrl(topicUrl(QString(), currentLanguage())); });
    connect(m_external, &QPushButton::clicked, this, &TOffHelp::openInBrowser);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    resize(760, 640);
    setTexts();
}

void TOffHelp::setTexts()
{
    setWindowTitle(tr("Veltrum manual"));
    m_back->setText(tr("&Back"));
    m_contents->setText(tr("&Contents"));
    m_external->setText(tr("Open in &web browser"));
    m_close->setText(tr("Close"));
}

void TOffHelp::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        setTexts();
        // the same section in the manual of the new language
        const QUrl url = topicUrl(m_topic, currentLanguage());
        if (url.isValid()
            && url.adjusted(QUrl::RemoveFragment) != shownUrl().adjusted(QUrl::RemoveFragment))
            showUrl(url);
    }
    QDialog::changeEvent(event);
}

QUrl TOffHelp::shownUrl() const
{
    return m_browser->source();
}

void TOffHelp::showUrl(const QUrl &url)
{
    m_browser->setSource(url);
}

void TOffHelp::openInBrowser()
{
    QDesktopServices::openUrl(shownUrl());
}
