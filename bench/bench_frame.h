// One frame of each object: the viewer's displayFrame next to the same scene in bare GL calls.
#pragma once

// Registers, per object, the viewer's frame and the bare frame, then both again at one pixel, and
// the uniform lookups.
void registerFrameBenchmarks();
