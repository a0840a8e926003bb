// A framebuffer object of the picture's size that the viewer's frame is drawn into.
#pragma once

#include <GL/glew.h>

#include <string>
#include <vector>

// Colour and depth renderbuffers in a framebuffer object, bound while the object lives.
class OffscreenTarget {
public:
    // Makes and binds the target; ready() tells whether the GL accepted it.
    OffscreenTarget(int width, int height);
    ~OffscreenTarget();
    OffscreenTarget(const OffscreenTarget&) = delete;
    OffscreenTarget& operator=(const OffscreenTarget&) = delete;

    // True when the framebuffer is complete; otherwise problem() says why.
    bool ready() const { return problem_.empty(); }
    const std::string& problem() const { return problem_; }

    // The picture as rows of RGB bytes, bottom row first, as the GL stores it.
    std::vector<unsigned char> readPixels() const;

private:
    int width_;
    int height_;
    GLuint framebuffer_ = 0;
    GLuint colour_ = 0;
    GLuint depth_ = 0;
    std::string problem_;
};
