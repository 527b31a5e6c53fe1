#pragma once

#include "tvalue.h"

#include <QByteArray>
#include <QList>

// Every record of the bytes of a ".dat", table or counter file, in order.
QList<Basics::TValue> records(const QByteArray &data);
