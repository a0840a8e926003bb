// The 2D texture and the cube map, read through the image library.
#pragma once

#include <GL/glew.h>

// One cube-map face: the suffix of its file and the face of the cube map it fills.
struct CubeMapFace {
    const char* suffix;
    GLenum target;
};

// The six faces in the order they are loaded.
extern const CubeMapFace CUBE_MAP_FACES[6];

// Loads the 2D texture and the six cube-map faces into two mipmapped textures.
void loadTextures();
