#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// The printed page of a report as PDF: the lines in a monospace font on A4
// pages, each page closed by `title` and its number ("Page 2 of 5"). Needs a
// QGuiApplication (the offscreen platform will do), no display. False when
// the device cannot be written.
bool writePdf(QIODevice &device, const QStringList &lines, const QString &title);
