#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QUrl>

class QPushButton;
class QTextBrowser;

// The user manual that ships with the program: HTML pages in English and
// German ("help/en/index.html", "help/de/index.html", made of docs/manual)
// beside the programs, or in the folder $VELTRUM_MANUAL_DIR names. Each dialog's
// "Help" opens it at the dialog's section ("veltrum.html#batch" opens
// the section "batch"), in a help window of the back office; the window
// can hand the page to the web browser.
class TOffHelp : public QDialog
{
    Q_OBJECT
public:
    // The folder holding "en" and "de"; empty when the manual is not there.
    static QString manualDir();
    // The page of a topic in the language ("de" or "en"): the section is
    // the part after "#" ("veltrum.html#batch": "batch"), or the topic
    // itself when it names no page ("closings"); the start of the manual
    // for a page alone or an empty topic. Invalid when the manual is not
    // there.
    static QUrl topicUrl(const QString &topic, const QString &language);
    // Opens the help window at the topic, in the language shown; without
    // the manual, says where it was looked for.
    static void show(QWidget *parent, const QString &topic);
    // The help window while it is open, else null.
    static TOffHelp *window();

    QTextBrowser *browser() const { return m_browser; }
    QUrl shownUrl() const;
    // Opens the page at the url.
    void showUrl(const QUrl &url);

public Q_SLOTS:
    void openInBrowser();

protected:
    void changeEvent(QEvent *event) override;

private:
    explicit TOffHelp(QWidget *parent);
    void setTexts();

    QTextBrowser *m_browser;
    QPushButton *m_back;
    QPushButton *m_contents;
    QPushButton *m_external;
    QPushButton *m_close;
    QString m_topic;
    static QPointer<TOffHelp> s_window;
};
