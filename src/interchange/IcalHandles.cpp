#include "interchange/IcalHandles.h"

#include <cstdlib>

void PrepareIcal()
{
    icalerror_set_errors_are_fatal(0);
}

QByteArray IcalText(icalcomponent* component)
{
    char* text = icalcomponent_as_ical_string_r(component);
    if (!text) return {};
    QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}
