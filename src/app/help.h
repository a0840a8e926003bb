// The console help: usage, the current files and the controls.
#pragma once

// Writes the seventeen help lines to standard output.
void printHelp();
