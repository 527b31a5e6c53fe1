#pragma once

#include <QString>

#include <cstddef>

namespace PosLib::Demo {

// The text of a C string of the demo's tables.
inline QString text(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

// splitmix64: small, fast and the same on every machine and library, so a
// seed gives the same installation everywhere.
class TRandom
{
public:
    explicit TRandom(quint64 seed)
        : m_state(seed)
    { }
    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 … n-1
    int below(int n) { return n <= 0 ? 0 : int(next() % quint64(n)); }
    // lo … hi
    int range(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template<typename T, size_t N>
    const T &pick(const T (&items)[N])
    {
        return items[below(int(N))];
    }

private:
    quint64 m_state;
};

// An independent stream for one day, table or waiter: the content of a
// table does not depend on how many tables were made before it.
inline quint64 streamSeed(quint64 seed, quint64 a, quint64 b)
{
    TRandom r(seed ^ (a + 1) * 0xD1B54A32D192ED03ULL ^ (b + 1) * 0x8CB92BA72F3D8DD7ULL);
    r.next();
    return r.next();
}

} // namespace PosLib::Demo
