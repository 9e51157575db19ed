#pragma once
// What the background and colour panels of the properties dialog share: their check boxes and
// the "for all months" box, which is greyed while only some months use the defaults.

#include "properties/PropertiesRules.h"

#include <QCheckBox>

namespace PanelBoxes {

// Checked, greyed or unchecked, as the months on the defaults are all, some or none.
inline void ShowOnDefaults(QCheckBox* box, MonthsOnDefaults state)
{
    box->setTristate(state == MonthsOnDefaults::Some);
    box->setCheckState(state == MonthsOnDefaults::All    ? Qt::Checked
                       : state == MonthsOnDefaults::Some ? Qt::PartiallyChecked
                                                         : Qt::Unchecked);
}

// A greyed box clicked becomes checked; afterwards it only toggles. Greyed counts as set.
inline bool ClickedOnDefaults(QCheckBox* box)
{
    const bool set = box->checkState() != Qt::Unchecked;
    box->setTristate(false);
    return set;
}

} // namespace PanelBoxes
