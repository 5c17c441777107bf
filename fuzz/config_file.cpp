// The configuration-file loader on any bytes: it refuses with a Failure or loads, and a file
// it loads saves back byte for byte. Two exceptions: the reserved text fields are always
// written as blanks, and a slave timeout of negative zero comes back as zero (the box shows 0).
#include "config_record.h"
#include "failure.h"
#include "fuzz_check.h"

#include <cstdint>

using namespace plc;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ConfigRecord loaded;
    try {
        loaded = ConfigRecord::fromFile(bytes);
    } catch (const Failure &) {
        return 0;
    }
    ConfigRecord saved = loaded;
    saved.gather(loaded.spread(WindowConfig{}));  // a Failure here escapes: a finding
    QByteArray expected = loaded.bytes();
    expected.replace(15016, 24, QByteArray(24, ' '));
    const QByteArray negativeZero = QByteArray::fromHex("00000080");
    for (int timeout : {3750, 3754 + 3750}) {
        if (expected.mid(timeout, 4) == negativeZero)
            expected.replace(timeout, 4, QByteArray(4, '\0'));
    }
    FUZZ_CHECK(saved.bytes() == expected);
    return 0;
}
