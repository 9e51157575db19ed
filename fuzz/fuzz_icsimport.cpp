// Any bytes given to the iCalendar importer: no crash, no undefined behaviour, no leak, and a
// file it refuses leaves the year exactly as it was; one it takes adds what it says it added.

#include "interchange/IcsImport.h"

#include <cstdint>
#include <cstdlib>

namespace {

int EntryCount(const CalendarDocument& doc)
{
    int n = 0;
    for (int m = 1; m <= 12; ++m)
        for (const DayCell& c : doc.Month(m).Cells) n += int(c.Entries.size());
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QTimeZone local("Europe/Paris");
    CalendarDocument doc = BlankDocumentFrom({});
    SetDocumentDefaults(doc, 2004);
    const IcsImportResult r =
        ImportCalendar(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), doc, local);
    if (r.Status != IcsReadStatus::Read && (r.Added != 0 || EntryCount(doc) != 0)) std::abort();
    if (EntryCount(doc) != r.Added) std::abort();
    return 0;
}
