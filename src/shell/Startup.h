#pragma once

class QApplication;

// The whole run: refuses a second instance, creates the main window, runs
// the event loop and the end steps. Returns the exit code.
int RunZandivo(QApplication &app);

// Windows font names of the drawings mapped to the installed metric twins.
void InstallFontSubstitutions();

// Makes the pictures and cursors built into the program loadable; every
// program that shows Zandivo's windows calls it once.
void InitZandivoResources();
