#pragma once

#include <QDate>
#include <QString>

#include <functional>

namespace PosLib {

class TTable;

// Reads a bill file of a day directory as it is stored and hands the table
// to `use`; false (and `use` not called) when it is empty, cannot be read
// or does not load as a table.
bool readBillFile(const QString &path, const QDate &day, const QString &root,
                  const std::function<void(const TTable &)> &use);

} // namespace PosLib
