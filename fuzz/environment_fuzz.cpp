// BKS.ini is read at every start from whatever the working directory holds.
#include "files/environmentfile.h"
#include "files/textcodec.h"

#include "fuzz/fuzzcheck.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

// How BuildEnvironmentLine writes one field: its text after the eight commas
// that the empty fields before it leave.
QString writtenForm(const QString &field)
{
    return bks::BuildEnvironmentLine({}, QString(), field).mid(8);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    const bks::EnvironmentData parsed = bks::parseEnvironment(bytes);
    BKS_FUZZ_CHECK(parsed.fieldsRead >= 0 && parsed.fieldsRead <= 9);

    const QString text = bks::decodeTextFile(bytes);
    const int maxFields = size > 0 ? data[0] % 16 : 0;
    BKS_FUZZ_CHECK(bks::readListFields(text, maxFields).size() <= maxFields);

    // Whatever was read, writing it and reading the line back gives the same
    // fields, but for the double quotes that a quoted field cannot hold.
    QStringList fields;
    for (std::size_t k = 1; k <= 7; ++k)
        fields.append(parsed.headings[k]);
    fields.append(parsed.fontName);
    fields.append(parsed.character);
    const QString line = bks::BuildEnvironmentLine(parsed.headings, parsed.fontName, parsed.character);
    QStringList expected;
    for (const QString &field : fields) {
        const bool quoted = writtenForm(field).startsWith(QLatin1Char('"'));
        expected.append(quoted ? QString(field).replace(QLatin1Char('"'), QChar(0xFF02)) : field);
    }
    BKS_FUZZ_CHECK(bks::readListFields(line + QStringLiteral("\r\n"), 9) == expected);
    return 0;
}
