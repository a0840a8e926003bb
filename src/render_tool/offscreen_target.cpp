// A framebuffer object of the picture's size that the viewer's frame is drawn into.
#include "render_tool/offscreen_target.h"

namespace {
// Bytes per pixel of the picture read back: red, green, blue.
constexpr int PIXEL_BYTES = 3;
// The depth buffer's format, as deep as the viewer window's on Mesa.
constexpr GLenum DEPTH_FORMAT = GL_DEPTH_COMPONENT24;
} // namespace

// Makes and binds a framebuffer with an 8-bit RGBA colour buffer and a 24-bit depth buffer.
OffscreenTarget::OffscreenTarget(int width, int height) : width_(width), height_(height)
{
    if (!GLEW_VERSION_3_0 && !GLEW_ARB_framebuffer_object) {
        problem_ = "the GL has no framebuffer objects";
        return;
    }
    GLint largest = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &largest);
    if (width > largest || height > largest) {
        problem_ = "the GL draws at most " + std::to_string(largest) + " pixels a side";
        return;
    }

    glGenFramebuffers(1, &framebuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glGenRenderbuffers(1, &colour_);
    glBindRenderbuffer(GL_RENDERBUFFER, colour_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
    glGenRenderbuffers(1, &depth_);
    glBindRenderbuffer(GL_RENDERBUFFER, depth_);
    glRenderbufferStorage(GL_RENDERBUFFER, DEPTH_FORMAT, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);

    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        problem_ = "the GL refused a framebuffer of " + std::to_string(width) + "x" + std::to_string(height);
}

// Unbinds and frees the framebuffer and its two renderbuffers.
OffscreenTarget::~OffscreenTarget()
{
    if (framebuffer_ == 0)
        return;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteRenderbuffers(1, &depth_);
    glDeleteRenderbuffers(1, &colour_);
    glDeleteFramebuffers(1, &framebuffer_);
}

// Reads the colour buffer once every drawing command has finished.
std::vector<unsigned char> OffscreenTarget::readPixels() const
{
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width_) * height_ * PIXEL_BYTES);
    glFinish();
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width_, height_, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}
