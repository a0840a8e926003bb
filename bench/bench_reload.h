// The F5 path: a shader rebuild and the first frame drawn with the new program, next to the bare
// compile and link of the same pair.
#pragma once

// Registers the F5 press, F5 to the first frame, and their bare counterparts.
void registerReloadBenchmarks();
