#pragma once

// What the value tests share: a record made in one line, bytes written out
// one by one, a record's stored bytes and a watcher of every signal a list
// sends.

#include "trecordcodec.h"
#include "tvalue.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <initializer_list>

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

// The bytes listed, each given as a number 0..255.
inline QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray out;
    for (int b : list)
        out.append(char(b));
    return out;
}

// The bytes of `v` as a record in a file.
inline QByteArray recordBytes(const TValue &v)
{
    QByteArray out;
    appendRecord(out, v);
    return out;
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
