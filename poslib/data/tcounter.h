#pragma once

#include "tvalue.h"

namespace PosLib {

// A counter file: one record in a small binary file, each counter an
// integer field ("counter.dat" with "zcounter", "zcount.dat" with "z").
// A counter that is absent reads as 1.
class TCounter : public Basics::TValue
{
public:
    // The directory is created when missing.
    TCounter(const QString &dir, const QString &fileName);

    QString filePath() const { return m_dir + m_file; }

    // Returns the counter and stores it plus one, under the file's lock.
    long next(const QString &name);
    long get(const QString &name);
    void set(const QString &name, long value);

    // A counter as the file holds it, without the default of get().
    struct Reading
    {
        enum State {
            Absent, // no file, or a record without the counter
            Held, // `value` is the counter
            Damaged, // an empty file, no whole record, or a value that is no number above 0
        };
        State state = Absent;
        long value = 0;
    };
    // Throws the file errors of get().
    Reading read(const QString &name);

private:
    long readModifyWrite(const QString &name, bool increment, long value, int line);

    QString m_dir;
    QString m_file;
};

} // namespace PosLib
