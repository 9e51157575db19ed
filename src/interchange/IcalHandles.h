#pragma once
// Owning handles for the libical objects the interchange code uses, and the one set-up libical
// needs before any call: its errors must never end the program.

#include <QByteArray>
#include <libical/ical.h>
#include <memory>

struct IcalComponentFree
{
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using IcalComponent = std::unique_ptr<icalcomponent, IcalComponentFree>;

struct IcalIteratorFree
{
    void operator()(icalrecur_iterator* i) const { icalrecur_iterator_free(i); }
};
using IcalRecurIterator = std::unique_ptr<icalrecur_iterator, IcalIteratorFree>;

// Errors are reported in the components, never fatal.
void PrepareIcal();

// The component as iCalendar text, lines folded and ended by CR LF.
QByteArray IcalText(icalcomponent* component);
