// A working directory of the viewer's own for one test, with shaders/ and textures/ in it; removed
// with everything in it at the end of the test.
#pragma once

#include <string>

class ScratchDir {
public:
    ScratchDir() = default;
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    ~ScratchDir();

    // Makes the directory with empty shaders/ and textures/; false when it cannot.
    bool create();

    const std::string& path() const { return path_; }
    // The path of a file given relative to the directory.
    std::string file(const std::string& relative) const { return path_ + "/" + relative; }

    // Writes a text file, replacing any file of that name; false when it cannot.
    bool write(const std::string& relative, const std::string& text) const;
    // Removes a file; false when it was not there.
    bool remove(const std::string& relative) const;

    // Copies the repository's shader pairs into shaders/.
    bool addRepositoryShaders() const;
    // The default 2D texture and cube map: the repository's when it has all seven files, else small
    // images made here. Their look is not relied on.
    bool addDefaultTextures() const;

private:
    std::string path_;
};

// A shader pair that paints every fragment in one colour, given as GLSL "r, g, b".
std::string flatVertexShader();
std::string flatFragmentShader(const std::string& rgb);
