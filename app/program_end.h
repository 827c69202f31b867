#pragma once
// Closing the main window ends the program, whatever else is open or
// running: every other window and dialog closes (a Create Map Until search
// stops as its progress dialog closes), and every event loop ends, a
// dialog's own included, so that no process is left without a window.

void EndProgram();
