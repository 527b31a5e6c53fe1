#pragma once

// What the value list tests share: a record made in one line and a watcher
// of every signal a list sends.

#include "tvalue.h"

#include <QList>
#include <QObject>
#include <QString>

namespace ValueTest {

using namespace Basics;

inline TValue *record(int id, const QString &name = QString())
{
    auto *v = new TValue;
    v->setId(id);
    if (!name.isNull())
        v->setName(name);
    return v;
}

// Records every signal of a list. Declare it after the list it watches.
struct Recorder
{
    explicit Recorder(TValueList &list)
    {
        QObject::connect(&list, &TValueList::inserted, [this](TValue *v) { inserted << v; });
        QObject::connect(&list, &TValueList::removed, [this](TValue *v) { removed << v; });
        QObject::connect(&list, &TValueList::changed, [this](TValue *v) { changed << v; });
        QObject::connect(&list, &TValueList::importCount, [this](int n) { importCount << n; });
        QObject::connect(&list, &TValueList::importStep, [this](int n) { importSteps << n; });
        QObject::connect(&list, &TValueList::exportCount, [this](int n) { exportCount << n; });
        QObject::connect(&list, &TValueList::exportStep, [this](int n) { exportSteps << n; });
    }
    QList<TValue *> inserted, removed, changed;
    QList<int> importCount, importSteps, exportCount, exportSteps;
};

} // namespace ValueTest
