#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

// The icon of a key ("REPORTING", "FILTER", "PAIDTABLES", ...) at a size in
// pixels and in an icon theme ("classic", the default, or "contrast").
// `disabled` gives the grey form. Unknown keys get a neutral placeholder
// with a question mark; unknown themes draw as "classic". The icons are
// drawn, not loaded, and cached per key, size, theme and form.
QPixmap getPixmapResource(const QString &key, int size, const QString &theme, bool disabled);

// Every key with an icon of its own.
QStringList pixmapResourceKeys();
// The themes that getPixmapResource knows.
QStringList pixmapThemes();
