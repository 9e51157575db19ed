// Any bytes given to the data stream reader: no crash, no undefined behaviour, and a stream it
// accepts survives the writer: written back, it reads again and, within a few more rounds
// (where impossible dates such as month -1 of year 0 settle, each read taking its parts by
// position), stays the same byte for byte.

#include "calfile/DataStream.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CalendarDocument doc;
    if (!ReadDataStream(QByteArrayView(data, qsizetype(size)), doc).Loaded()) return 0;

    constexpr int kRoundsToSettle = 4;
    QByteArray written = WriteDataStream(doc);
    for (int round = 0;; ++round) {
        CalendarDocument back;
        if (!ReadDataStream(written, back).Loaded()) std::abort();
        QByteArray again = WriteDataStream(back);
        if (again == written) return 0;
        if (round == kRoundsToSettle) std::abort();
        written = std::move(again);
    }
}
