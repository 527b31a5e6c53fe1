#pragma once

// Reading the intermediate files back as the print engine reads them.
// Header-only, for the tests that link the engine's core (veltrumpe_core).

#include "tintermediatefile.h"
#include "treportdata.h"

#include <QFile>
#include <QSet>
#include <QString>

namespace crystaltest {

inline PrintEngine::TDataList readList(const QString &directory, const QString &name)
{
    QFile file(Crystal::intermediateFileName(directory, name));
    if (!file.open(QIODevice::ReadOnly))
        return PrintEngine::TDataList();
    return PrintEngine::parseList(file.readAll());
}

// The values of one column, in record order.
inline QStringList column(const PrintEngine::TDataList &list, const QString &name)
{
    QStringList values;
    for (int row = 0; row < list.count(); ++row)
        values << list.value(row, name);
    return values;
}

} // namespace crystaltest
