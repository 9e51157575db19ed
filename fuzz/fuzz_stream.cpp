// Any bytes given to the data stream reader: no crash, no undefined behaviour, and a stream it
// accepts survives the writer: written back, it reads again and, after one more round (where a
// date such as year 0 settles), stays the same byte for byte.

#include "calfile/DataStream.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CalendarDocument doc;
    if (!ReadDataStream(QByteArrayView(data, qsizetype(size)), doc).Loaded()) return 0;

    const QByteArray once = WriteDataStream(doc);
    CalendarDocument again;
    if (!ReadDataStream(once, again).Loaded()) std::abort();
    const QByteArray twice = WriteDataStream(again);
    CalendarDocument third;
    if (!ReadDataStream(twice, third).Loaded() || WriteDataStream(third) != twice) std::abort();
    return 0;
}
