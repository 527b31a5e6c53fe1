#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

// What the back office shows when it starts without a valid installation:
// the folder it looked at and why it is none, and three ways on: choose
// the installation's folder, create a demo restaurant to try the program
// on, or read in the manual how to point the back office at an
// installation. The dialog ends with OK once a folder holding an
// installation was chosen or made (folder()); the caller remembers it.
class TFirstStartDlg : public QDialog
{
    Q_OBJECT
public:
    // Asks for a folder; empty when the user cancelled.
    using FolderAsk = std::function<QString(QWidget *parent, const QString &start)>;
    // Writes a demo installation into the folder; false, with the reason
    // in `error`, when it could not.
    using DemoWriter = std::function<bool(const QString &folder, QString *error)>;

    TFirstStartDlg(const QString &lookedAt, QWidget *parent = nullptr);
    ~TFirstStartDlg() override;

    // Whether a folder holds an installation: its settings list
    // "usr/data/settings.dat" is there.
    static bool isInstallation(const QString &folder);
    // The folder a start without --data opens: the working directory when
    // it holds an installation, else the one chosen at an earlier start
    // when it still does, else the working directory (which then asks).
    static QString startFolder(const QString &workingDir, const QString &remembered);

    // Replaces the folder dialogs and the demo writer (tests do).
    void setFolderAsk(FolderAsk ask) { m_ask = std::move(ask); }
    void setDemoWriter(DemoWriter writer) { m_writer = std::move(writer); }

    QString lookedAt() const { return m_lookedAt; }
    // The installation chosen or made; empty before.
    QString folder() const { return m_folder; }
    QLabel *message() const { return m_message; }
    QPushButton *chooseButton() const { return m_choose; }
    QPushButton *demoButton() const { return m_demo; }
    QPushButton *manualButton() const { return m_manual; }

public Q_SLOTS:
    void onChoose();
    void onDemo();
    void onManual();

private:
    void setTexts();
    void changeEvent(QEvent *event) override;

    QString m_lookedAt;
    QString m_folder;
    FolderAsk m_ask;
    DemoWriter m_writer;
    QLabel *m_title;
    QLabel *m_message;
    QPushButton *m_choose;
    QPushButton *m_demo;
    QPushButton *m_manual;
    QPushButton *m_quit;
};
