#include "veltrumexports.h"

#include "pixmapresource.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "toffwindow.h"
#include "tveltrum.h"
#include "tversion.h"

#include <QMetaObject>
#include <QPixmap>
#include <QString>

#include <new>

namespace {

// The one module object; empty before initModule, after a failed one and
// after doneModule.
TVeltrum *module = nullptr;

} // namespace

void *initModule(TOffWindow *window)
{
    try {
        module = new TVeltrum(window);
    } catch (const std::bad_alloc &) {
        Basics::logError(QStringLiteral("Out of memory creating the module"),
                         Basics::LogModule::Library, Basics::LogClass::Veltrum);
        module = nullptr;
    }
    return module;
}

void doneModule()
{
    // The pointer is cleared as well, so that a late getPixmap or
    // CallMethod finds no module instead of a deleted one.
    delete module;
    module = nullptr;
}

void initMenu()
{
    if (module)
        module->initMenu();
}

void doneMenu()
{
    if (module)
        module->doneMenu();
}

void getPixmap(QPixmap &pixmap)
{
    if (!module || !module->window())
        return;
    TOffWindow *window = module->window();
    pixmap = getPixmapResource(QStringLiteral("REPORTING"), window->getIconSize(),
                               window->GetIconTheme(), false);
}

void getVersion(QString &version)
{
    version = QString::fromLatin1(Basics::VersionText);
}

void CallMethod(const QString &slot)
{
    if (!module || slot.isEmpty())
        return;
    const QByteArray name = slot.toLatin1();
    const QByteArray signature = QMetaObject::normalizedSignature(name + "()");
    if (module->metaObject()->indexOfSlot(signature.constData()) < 0)
        return;
    QMetaObject::invokeMethod(module, name.constData(), Qt::DirectConnection);
}
