// What the input handlers asked of GLUT, GL and the shader builder while the logic tests ran.
#pragma once

#include <GL/glew.h>

// The calls recorded since the last reset, and the modifier mask GLUT is to report.
struct StandInRecord {
    int modifierMask = 0;
    int modifierReads = 0;
    int redisplayRequests = 0;
    int viewportCalls = 0;
    GLint viewportX = -1;
    GLint viewportY = -1;
    GLsizei viewportWidth = -1;
    GLsizei viewportHeight = -1;
    int shaderBuilds = 0;
};

extern StandInRecord standIn;

// Forgets every recorded call and reports no modifier.
void resetStandIn();
