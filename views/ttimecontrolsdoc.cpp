#include "ttimecontrolsdoc.h"

TTimeControlsDoc::TTimeControlsDoc(TOffWindow *window)
    : TOffDataDoc(QStringLiteral("timecontrols"), window, false)
{ }

TTimeControlsDoc::~TTimeControlsDoc() = default;

QString TTimeControlsDoc::caption() const
{
    return tr("Time controlling");
}
