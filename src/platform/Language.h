#pragma once
// The program speaks French whatever the system's language.

// French dates, month and day names in every widget (calendars, date boxes, file lists), and
// Qt's own dialogs and buttons in French as far as Qt's French translation goes. Called once,
// before the first window.
void SpeakFrench();
