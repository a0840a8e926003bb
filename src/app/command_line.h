// The command line as it stands once GLUT has taken out its own options.
#pragma once

// Takes argv[0] and up to three positional arguments (shader, 2D texture, cube-map base).
void takeCommandLine(int argc, char** argv);
