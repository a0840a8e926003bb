// What the gallery tests share: where the programs and the data are, the gallery list, and a
// render through tesmorel-render on a private display.
#pragma once

#include "child_process.h"

#include <ostream>
#include <string>
#include <vector>

// One line of the gallery list: a shader pair and the renderer options of its reference frame.
struct GalleryPair {
    std::string name;
    std::vector<std::string> options;
};

// A pair as test names and messages show it: its name.
void PrintTo(const GalleryPair& pair, std::ostream* out);

// The gallery list, tests/gallery/pairs.txt, in its order.
std::vector<GalleryPair> readGalleryPairs();

// The reference picture of a pair, under tests/gallery/references/.
std::string referencePath(const std::string& pairName);

// A fresh path for a picture in the temporary directory; nothing is there yet.
std::string scratchPicturePath(const std::string& stem);

// The whole text of a file; empty when it cannot be read.
std::string readTextFile(const std::string& path);

// Runs tesmorel-render with the arguments on this process's private display, from the
// repository root, where the relative shaders/ and textures/ paths lead.
ChildResult runRenderer(const std::vector<std::string>& arguments);

// The viewer and the renderer of the build.
extern const char* const VIEWER_PROGRAM;
extern const char* const RENDER_PROGRAM;
