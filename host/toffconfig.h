#pragma once

#include "terror.h"

#include <QString>
#include <QStringList>

namespace Basics {
class TInifile;
}
namespace PosLib {
class TWaiter;
}
class TOffWindow;

// The back-office configuration: one INI file of the user, in the
// application's configuration folder ("veltrum-office.ini"), or the file
// that the environment variable VELTRUM_CONFIG names. It holds the list and
// dialog rights, the reporting defaults and the "Settings" keys of the
// module (such as "ToolAusw").
//
// Sections: "ListAccess" (list key = yes/no), "DialogAccess" (dialog
// name + "/" + element name = yes/no), "Reporting" (defaults), "Crystal".
// A right that was never stored is granted, so a new installation shows
// everything until the master restricts it.
class TOffConfig
{
public:
    // Thrown by write() when the file could not be read at start: it is
    // never written over then, since that would lose what it holds.
    class Unreadable : public Basics::TFileError
    {
    public:
        using Basics::TFileError::TFileError;
    };

    // The file in use.
    static QString path();
    // The file's contents, read on first use. Read failures are logged and
    // leave an empty configuration.
    static Basics::TInifile &ini();
    // Writes the file (creating its folder), then tells the application
    // (TOffApplication::configChanged). Throws Unreadable when the file
    // could not be read at start, TDirError when its folder cannot be made
    // and the errors of TInifile::write otherwise; the failure is logged,
    // the file stays as it was and the changes since the last write are
    // dropped, so the configuration in use is still what the file holds.
    static void write();
    // Why write() failed, for a message box: translated, without source
    // positions (those are in the log).
    static QString failureText(const Basics::TError &error);
    // Forgets what was read, so that the next use reads the file (again).
    static void reload();

    // Whether the user may see the list.
    static bool checkLstRight(const char *list, TOffWindow *window = nullptr);
    static void setLstRight(const QString &list, bool granted);
    // Whether the user may use an element of a dialog; an empty element
    // stands for the dialog itself.
    static bool checkDlgRight(const QString &dialog, const QString &element = QString());
    // The right stored for the element itself, whatever the dialog's:
    // what the rights dialog shows and keeps while the dialog is denied.
    static bool elementRight(const QString &dialog, const QString &element);
    static void setDlgRight(const QString &dialog, const QString &element, bool granted);

    // Reporting defaults. Report 0 and filter 0 mean none.
    static int getDefReport();
    static void setDefReport(int report);
    static int getDefFilter();
    static void setDefFilter(int filter);
    static bool getDefOpenTabs();
    static void setDefOpenTabs(bool on);
    static bool getDefWithoutCredits();
    static void setDefWithoutCredits(bool on);
    // 0 all, 1 in summary, 2 not in summary.
    static int getDefInTurnOver();
    static void setDefInTurnOver(int state);
    // 0 all waiters, 1 without trainees, 2 only trainees.
    static int getDefTraineeType();
    static void setDefTraineeType(int type);
    // The receipt printer the Z report can print on: a device or file (a
    // path starting with "/") or the name of a raw print queue; empty for
    // none. Its width in columns: 32, 42 (default) or 48.
    static QString getReceiptPrinter();
    static void setReceiptPrinter(const QString &printer);
    static int getReceiptWidth();
    static void setReceiptWidth(int columns);
    // Report numbers (decimal texts) left out of the report selector.
    static QStringList getDisabledReps();
    static void setDisabledReps(const QStringList &reports);

    // The language the user chose in the language menu ("de" or "en");
    // empty when none was chosen. Kept as "Language" in "Settings".
    static QString getLanguage();
    static void setLanguage(const QString &code);
    // The installation the back office opens when started without one
    // (chosen or made at its first start); empty when none was. Kept as
    // "Installation" in "Settings".
    static QString getInstallation();
    static void setInstallation(const QString &path);
    // The folder the last PDF went to; empty before the first.
    static QString getPdfFolder();
    static void setPdfFolder(const QString &path);

    // Report designs, section "Crystal":
    //   "Path"        the reports directory with the designs and their ini
    //                 files (the fast report catalogue); default the
    //                 program's base directory + "reports/"
    //   "DataPath"    where the intermediate lists are written; default the
    //                 same folder as "Path" would be by default
    //   "CommonFiles" the folder of the print engine, with or without a
    //                 trailing "/"; default the program's "../lib"
    //   "fastcrystal" the fast reports offered (ini base names, ";"
    //                 separated); empty offers every one
    //   "Terminal", "Logo", "Header1" … "Header3", "Footer1" … "Footer3"
    //                 texts handed to the reports
    // The base directory is the program's folder, or its parent when the
    // program lies in a "bin" folder. Folders end in "/".
    static QString getCrystalPath();
    static QString getCrystalDataPath();
    static QString getCrystalEngineDir();
    // A file of the reports directory; empty for an empty name.
    static QString getCrystalFile(const QString &name);
    // The language file of a design in the user's language
    // ("<design base name>_<language>.lng"), and the default one
    // ("<design base name>.lng"), both beside the design.
    static QString getCrystalLngFile(const QString &name);
    static QString getCrystalDefaultLngFile(const QString &name);
    // The ";"-separated names of `key` in section "Crystal" of `ini`.
    static QStringList getCrystals(Basics::TInifile &ini, const QString &key);
    // The waiter's name; empty without one.
    static QString getCrystalUser(PosLib::TWaiter *waiter);
    static QString getCrystalTerm();
    static QString getCrystalLogo();
    static QString getCrystalHeader(int n);
    static QString getCrystalFooter(int n);
};
