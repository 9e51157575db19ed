// libical, loaded at the first calendar imported, exported or synchronised rather than at every
// start of the program: the stand-ins of the functions the program calls.

#include "platform/DelayedLibrary.h"

#include <libical/ical.h>

extern "C" {

DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, void, icalcomponent_add_component,
                   (icalcomponent * a, icalcomponent* b), (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, void, icalcomponent_add_property,
                   (icalcomponent * a, icalproperty* b), (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, char*, icalcomponent_as_ical_string_r, (icalcomponent * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, void, icalcomponent_free, (icalcomponent * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, const char*, icalcomponent_get_description, (icalcomponent * a),
                   (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalcomponent*, icalcomponent_get_first_component,
                   (icalcomponent * a, icalcomponent_kind b), (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalproperty*, icalcomponent_get_first_property,
                   (icalcomponent * a, icalproperty_kind b), (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, const char*, icalcomponent_get_location, (icalcomponent * a),
                   (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalcomponent*, icalcomponent_get_next_component,
                   (icalcomponent * a, icalcomponent_kind b), (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalproperty*, icalcomponent_get_next_property,
                   (icalcomponent * a, icalproperty_kind b), (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, enum icalproperty_status, icalcomponent_get_status,
                   (icalcomponent * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, const char*, icalcomponent_get_summary, (icalcomponent * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icaltimezone*, icalcomponent_get_timezone,
                   (icalcomponent * a, const char* b), (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, const char*, icalcomponent_get_uid, (icalcomponent * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalcomponent_kind, icalcomponent_isa, (const icalcomponent* a),
                   (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalcomponent*, icalcomponent_new, (icalcomponent_kind a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalcomponent*, icalcomponent_new_clone, (icalcomponent * a),
                   (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, void, icalcomponent_remove_component,
                   (icalcomponent * a, icalcomponent* b), (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, void, icalcomponent_remove_property,
                   (icalcomponent * a, icalproperty* b), (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, int, icaldurationtype_as_int, (struct icaldurationtype a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, struct icaldurationtype, icaldurationtype_null_duration, (void),
                   ())
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, void, icalerror_set_errors_are_fatal, (int a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, void, icalmemory_free_buffer, (void* a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, const char*, icalparameter_get_tzid, (const icalparameter* a),
                   (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalcomponent*, icalparser_parse_string, (const char* a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, void, icalproperty_free, (icalproperty * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, const char*, icalproperty_get_categories,
                   (const icalproperty* a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, const char*, icalproperty_get_color, (const icalproperty* a),
                   (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, struct icaltimetype, icalproperty_get_dtend,
                   (const icalproperty* a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, struct icaltimetype, icalproperty_get_dtstart,
                   (const icalproperty* a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, struct icaldurationtype, icalproperty_get_duration,
                   (const icalproperty* a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, struct icaltimetype, icalproperty_get_exdate,
                   (const icalproperty* a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalparameter*, icalproperty_get_first_parameter,
                   (icalproperty * a, icalparameter_kind b), (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, struct icaldatetimeperiodtype, icalproperty_get_rdate,
                   (const icalproperty* a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, struct icaltimetype, icalproperty_get_recurrenceid,
                   (const icalproperty* a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, struct icalrecurrencetype, icalproperty_get_rrule,
                   (const icalproperty* a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, struct icaltriggertype, icalproperty_get_trigger,
                   (const icalproperty* a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, const char*, icalproperty_get_x, (const icalproperty* a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, const char*, icalproperty_get_x_name, (icalproperty * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalproperty*, icalproperty_new_action,
                   (enum icalproperty_action a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalproperty*, icalproperty_new_categories, (const char* a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalproperty*, icalproperty_new_clone, (icalproperty * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalproperty*, icalproperty_new_color, (const char* a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalproperty*, icalproperty_new_description, (const char* a),
                   (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalproperty*, icalproperty_new_dtend, (struct icaltimetype a),
                   (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalproperty*, icalproperty_new_dtstamp, (struct icaltimetype a),
                   (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalproperty*, icalproperty_new_dtstart, (struct icaltimetype a),
                   (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalproperty*, icalproperty_new_summary, (const char* a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalproperty*, icalproperty_new_transp,
                   (enum icalproperty_transp a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalproperty*, icalproperty_new_trigger,
                   (struct icaltriggertype a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalproperty*, icalproperty_new_uid, (const char* a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalproperty*, icalproperty_new_x, (const char* a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, void, icalproperty_set_dtend,
                   (icalproperty * a, struct icaltimetype b), (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, void, icalproperty_set_dtstart,
                   (icalproperty * a, struct icaltimetype b), (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, void, icalproperty_set_x_name, (icalproperty * a, const char* b),
                   (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, void, icalrecur_iterator_free, (icalrecur_iterator * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icalrecur_iterator*, icalrecur_iterator_new,
                   (struct icalrecurrencetype a, struct icaltimetype b), (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, struct icaltimetype, icalrecur_iterator_next,
                   (icalrecur_iterator * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, int, icalrecur_iterator_set_start,
                   (icalrecur_iterator * a, struct icaltimetype b), (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, void, icaltime_adjust,
                   (struct icaltimetype * a, const int b, const int c, const int d, const int e),
                   (a, b, c, d, e))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, int, icaltime_is_null_time, (const struct icaltimetype a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, int, icaltime_is_utc, (const struct icaltimetype a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, int, icaltime_is_valid_time, (const struct icaltimetype a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, struct icaltimetype, icaltime_null_date, (void), ())
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, struct icaltimetype, icaltime_null_time, (void), ())
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, void, icaltimezone_convert_time,
                   (struct icaltimetype * a, icaltimezone* b, icaltimezone* c), (a, b, c))
DAYBINDER_STAND_IN(DAYBINDER_LIBICAL_SONAME, icaltimezone*, icaltimezone_get_utc_timezone, (void), ())

} // extern "C"
