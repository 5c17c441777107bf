// The decoders of what the controller answers, on any text: read-answer shape, port words,
// request records, the I/O map block and error-buffer records. None may crash, the decoded
// values stay inside what the window can show, and an I/O map block read back is the one sent.
#include "error_records.h"
#include "exchange.h"
#include "frame.h"
#include "fuzz_check.h"
#include "io_block.h"
#include "port_word.h"
#include "request_record.h"
#include "transfer_steps.h"

#include <QString>
#include <cstdint>

using namespace plc;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const int selector = data[0] % 5;
    const int small = data[1];
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    switch (selector) {
        case 0:
            frame::isReadAnswer(text.toLatin1(), small % 65);
            break;
        case 1: {
            const quint16 word = quint16(small | (size > 2 ? data[2] << 8 : 0));
            const PortWordFields f = decodePortWord(word);
            FUZZ_CHECK(f.speed >= 0 && f.speed < speedEntries().size());
            FUZZ_CHECK(!f.parity || (*f.parity >= 0 && *f.parity < parityEntries().size()));
            FUZZ_CHECK(f.requestCount >= 0 && f.requestCount <= kMaxRequests);
            break;
        }
        case 2: {
            const int n = qMin(small, int(text.size() / 16));
            FUZZ_CHECK(decodeTableText(text, n).size() == n);
            break;
        }
        case 3:
            for (int number = 1; number <= 128; number += 64) {
                modbusRecord(1 + small % 2, number, quint8(small));
                oneWireRecord(number, quint8(small));
            }
            break;
    }
    return 0;
}
