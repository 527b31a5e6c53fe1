#pragma once

#include "tvalue.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Every record of the bytes of a ".dat", table or counter file, in order.
QList<Basics::TValue> records(const QByteArray &data);

// A text as a file holds it: UTF-16, most significant byte first, without
// its length.
QByteArray fileText(const QString &text);
