#pragma once
// What OK in the properties dialog does to the open document, in its order: the new password
// confirmed, the year (which empties the calendar and regenerates the occurrences of the
// definitions it keeps), the header, the display settings, the save options; and afterwards the
// month windows whose year, colours or background changed are rebuilt.

#include "document/DocumentChanges.h"
#include "properties/PropertiesRules.h"

#include <QImage>
#include <functional>
#include <optional>

// Set by the program's wiring; unset, the step is left out (or the adjust button stays disabled).
struct PropertiesHooks
{
    std::function<void()> UpdateAutoEvents; // the calendar update of the auto-events
    std::function<void()> UpdateBirthdays;  // the same for the birthdays
    // The picture editor on a background picture and its file name: the adjusted picture,
    // nothing on Cancel.
    std::function<std::optional<QImage>(const QImage&, const QString& path)> EditPicture;
    // The month windows: one rebuilt in place, and those of another year rebuilt under the
    // loading picture.
    std::function<void(int month)> BuildMonthWindow;
    std::function<void(const QList<int>& months)> ReloadMonthWindows;

    static PropertiesHooks& Get();
};

// A typed password that is not the stored one must be typed again.
bool PasswordNeedsConfirming(const PropertiesWork& work);

// Writes the working copies into the current document, marking the parts that changed. False,
// with the message already shown, when the new password was not confirmed: nothing is written
// and the dialog stays open.
bool ApplyProperties(const PropertiesWork& work);

// Rebuilds those month windows from the current document: in place when only their look
// changed, else with the loading lines, returning to editing.
void RebuildChangedMonths(const CalendarDocument& before);
