#pragma once
// "Exporter..." and "Importer..." of the commands tab: the year to an iCalendar file or its
// budget to a CSV file, and the events of an iCalendar file or address into the open year.

class MainWindow;

void WireInterchange(MainWindow& main);
