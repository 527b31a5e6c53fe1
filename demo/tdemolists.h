#pragma once

#include "tinifile.h"
#include "tvalue.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace PosLib::Demo {

// Writes a file as it is (table files, markers).
void writeFile(const QString &path, const QByteArray &bytes);

template<typename T = Basics::TValue>
T *record(int id, const QString &name)
{
    auto *v = new T;
    v->setId(id);
    v->setName(name);
    return v;
}

// Writes the keys of a section in the order given (new keys go in right
// below the header, so they are written last to first).
void writeSection(Basics::TInifile &ini, const char *section,
                  const QList<QPair<const char *, QString>> &entries);

// The master data lists a demo run writes into "usr/data".
inline const char *const ListFiles[]
        = {"settings.dat",   "waiters.dat",  "terminals.dat",   "centers.dat",    "families.dat",
           "famgroups.dat",  "articles.dat", "departments.dat", "taxgroups.dat",  "vatrates.dat",
           "payforms.dat",   "currency.dat", "outlets.dat",     "sumoutlets.dat", "sumfilters.dat",
           "sumbatches.dat", "tablecfgs.dat"};

// The installation record, staff, articles, taxes, payment forms, outlets,
// summary filters and batches, as the lists of "usr/data".
void writeLists(const QString &root);

// "etc/reports.ini" and "etc/globals.ini".
void writeIniFiles(const QString &root);

} // namespace PosLib::Demo
