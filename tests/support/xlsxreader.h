#pragma once

#include <QJsonObject>
#include <QString>

// A workbook as an independent reader (Debian's python3-openpyxl) finds
// it: {"sheets": [{"name", "frozen" ("A2"), "widthA", "cells": [[[value,
// type ("str", "int", "float", "NoneType"), number format, bold], ...]
// per row]}]}. Empty with a test failure when it cannot be read.
QJsonObject readWorkbook(const QString &path);

// The cell of a sheet of readWorkbook()'s result by row and column (0 the
// title row); its value, type, number format and boldness as above.
QJsonValue workbookCell(const QJsonObject &sheet, int row, int column, int part = 0);
