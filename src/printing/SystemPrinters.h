#pragma once
// The system's printers (through the print support of the toolkit) behind the printer seam of
// the printing code. The program installs them at start-up; the headless tool never does.

// From then on GetPrinterDC opens the chosen system printer, or the default one, when the
// system has any.
void UseSystemPrinters();
