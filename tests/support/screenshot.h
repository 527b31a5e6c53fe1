#pragma once

// Widget tests take the pictures of the docs: with $VELTRUM_SCREENSHOTS set,
// `VELTRUM_SCREENSHOTS=docs build/bin/test_views` saves them there.
// Header-only, so that only the widget tests pull in the widgets.

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

// Saves a picture of the widget into $VELTRUM_SCREENSHOTS, when set.
inline void screenshot(QWidget *widget, const char *name)
{
    const QString dir = qEnvironmentVariable("VELTRUM_SCREENSHOTS");
    if (dir.isEmpty() || !widget)
        return;
    QCoreApplication::processEvents();
    widget->grab().save(QDir(dir).filePath(QLatin1String(name)));
}
