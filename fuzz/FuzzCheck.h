#pragma once

// What every fuzz target shares: a broken promise stops the run, saying
// which, so that libFuzzer keeps the input that broke it.

#include "tuning/LineFile.h"
#include "tuning/PitchTable.h"

#include <QByteArray>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace cordavo {

inline void check(bool condition, const char *promise)
{
    if (!condition) {
        std::fprintf(stderr, "Broken promise: %s\n", promise);
        std::abort();
    }
}

// A refusal names the file it refuses, in double quotes.
inline void checkNamesFile(const QString &error, const QString &fileName)
{
    check(error.contains(quoted(fileName)), "a refusal names its file");
}

// Twelve finite values within an octave either way.
inline void checkNotesInRange(const NoteCents &cents, const char *promise)
{
    for (long double value : cents)
        check(std::isfinite(value) && std::fabs(value) <= 1200, promise);
}

inline QByteArray bytesOf(const std::uint8_t *data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// Takes numbers off the front of the fuzzer's bytes, zeros once they run out.
class FuzzBytes
{
public:
    FuzzBytes(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint32_t take(int bytes)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i) {
            value = value << 8;
            if (m_at < m_size)
                value |= m_data[m_at++];
        }
        return value;
    }
    // What is left, as text.
    QString rest()
    {
        const QString text =
            QString::fromUtf8(reinterpret_cast<const char *>(m_data + m_at), static_cast<qsizetype>(m_size - m_at));
        m_at = m_size;
        return text;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

} // namespace cordavo
