#pragma once

// The text inside a gzip file, through zlib, for checking what we and
// GrandOrgue write.

#include <QByteArray>

#include <zlib.h>

inline QByteArray gunzipped(const QByteArray &bytes)
{
    QByteArray out(1 << 22, '\0');
    z_stream stream{};
    inflateInit2(&stream, 16 + MAX_WBITS);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const bool whole = inflate(&stream, Z_FINISH) == Z_STREAM_END;
    out.resize(whole ? static_cast<qsizetype>(stream.total_out) : 0);
    inflateEnd(&stream);
    return out;
}
