#pragma once

#include <QtGlobal>

class QPixmap;
class QString;
class TOffWindow;

// The module's plug-in interface, exported with C linkage. The host calls
// initModule, then initMenu; at the end doneMenu, then doneModule.
// getPixmap, getVersion and CallMethod may come at any time after
// initModule; before it (or after a failed one) they do nothing.
extern "C" {
// Creates the module object for the window; null when that failed.
Q_DECL_EXPORT void *initModule(TOffWindow *window);
Q_DECL_EXPORT void doneModule();
Q_DECL_EXPORT void initMenu();
Q_DECL_EXPORT void doneMenu();
// The module's icon ("REPORTING") in the host's icon size and theme.
Q_DECL_EXPORT void getPixmap(QPixmap &pixmap);
Q_DECL_EXPORT void getVersion(QString &version);
// Calls the module object's slot of that name (without arguments); an
// empty or unknown name does nothing.
Q_DECL_EXPORT void CallMethod(const QString &slot);
}
