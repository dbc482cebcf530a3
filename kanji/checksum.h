#pragma once

#include <QByteArrayView>
#include <QtGlobal>

namespace bks {

// CRC-32 (the one zlib, PNG and ZIP use) of `bytes`, for the program's data
// files: it catches every change of up to 32 bits in a row and misses random
// damage once in four billion files, where Qt's own qChecksum (a 16-bit CRC)
// would miss it once in 65,536. zlib is already loaded with Qt.
quint32 crc32Of(QByteArrayView bytes);

}  // namespace bks
