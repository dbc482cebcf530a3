#include "kanji/checksum.h"

#include <zlib.h>

#include <algorithm>

namespace bks {

quint32 crc32Of(QByteArrayView bytes)
{
    uLong crc = crc32(0L, Z_NULL, 0);
    const auto *p = reinterpret_cast<const Bytef *>(bytes.data());
    qsizetype left = bytes.size();
    // zlib counts in uInt; a view may be longer.
    while (left > 0) {
        const uInt chunk = uInt(std::min<qsizetype>(left, 1 << 30));
        crc = crc32(crc, p, chunk);
        p += chunk;
        left -= chunk;
    }
    return quint32(crc);
}

}  // namespace bks
