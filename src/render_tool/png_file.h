// The picture written as a PNG through the image library.
#pragma once

#include <string>
#include <vector>

// Writes rows of RGB bytes, bottom row first, as a PNG, replacing any file there; false with the
// image library's reason in problem when it cannot.
bool writePng(const std::string& path, int width, int height, const std::vector<unsigned char>& rgb,
              std::string& problem);
