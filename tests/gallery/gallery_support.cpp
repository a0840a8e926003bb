// What the gallery tests share: where the programs and the data are, the gallery list, and a
// render through tesmorel-render on a private display.
#include "gallery_support.h"

#include "x_server.h"

#include <fstream>
#include <sstream>

#include <unistd.h>

const char* const VIEWER_PROGRAM = TESMOREL_VIEWER_PROGRAM;
const char* const RENDER_PROGRAM = TESMOREL_RENDER_PROGRAM;

namespace {
const std::string GALLERY_DIRECTORY = TESMOREL_GALLERY_DIRECTORY;
} // namespace

// A pair as test names and messages show it: its name.
void PrintTo(const GalleryPair& pair, std::ostream* out)
{
    *out << pair.name;
}

// Reads the gallery list: a pair name and its options per line; blank lines and # comments skipped.
std::vector<GalleryPair> readGalleryPairs()
{
    std::vector<GalleryPair> pairs;
    std::ifstream list(GALLERY_DIRECTORY + "/pairs.txt");
    std::string line;
    while (std::getline(list, line)) {
        std::istringstream words(line);
        GalleryPair pair;
        if (!(words >> pair.name) || pair.name[0] == '#')
            continue;
        for (std::string word; words >> word;)
            pair.options.push_back(word);
        pairs.push_back(pair);
    }
    return pairs;
}

// The reference picture of a pair, under tests/gallery/references/.
std::string referencePath(const std::string& pairName)
{
    return GALLERY_DIRECTORY + "/references/" + pairName + ".png";
}

// A path named after the stem and this process, removed first if an earlier run left it.
std::string scratchPicturePath(const std::string& stem)
{
    const std::string path = "/tmp/tesmorel-gallery-" + stem + "-" + std::to_string(getpid()) + ".png";
    std::remove(path.c_str());
    return path;
}

// The whole text of a file; empty when it cannot be read.
std::string readTextFile(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Runs tesmorel-render with the arguments on this process's private display.
ChildResult runRenderer(const std::vector<std::string>& arguments)
{
    std::vector<std::string> command = {RENDER_PROGRAM};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return runChild(command, {{"DISPLAY", privateDisplay()}});
}
