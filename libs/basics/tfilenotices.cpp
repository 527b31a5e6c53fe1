#include "tfilenotices.h"

namespace Basics {

TFileNotices &TFileNotices::instance()
{
    static TFileNotices notices;
    return notices;
}

void TFileNotices::post(const QString &text)
{
    Q_EMIT notice(text);
}

} // namespace Basics
