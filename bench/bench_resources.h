// The two start-up loads on their own: the textures, and the shader program with its report.
#pragma once

// Registers the texture load and the shader build.
void registerResourceBenchmarks();
