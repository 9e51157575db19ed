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
    // libical writes a duration of nothing as "PT0S"; an alarm on the day itself counts its days
    // as every other alarm does.
    bytes.replace("\r\nTRIGGER:PT0S\r\n", "\r\nTRIGGER:-P0D\r\n");
    return bytes;
}
