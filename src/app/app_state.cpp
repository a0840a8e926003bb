// The program-wide record and the viewer's starting camera and light.
#include "app/app_state.h"

AppState app;

namespace {
constexpr double START_CAMERA_DISTANCE = 20.0;
constexpr double START_CAMERA_YAW = 0.0;
constexpr double START_CAMERA_PITCH = 20.0;
constexpr double START_LIGHT_DISTANCE = 10.0;
constexpr double START_LIGHT_YAW = 0.0;
constexpr double START_LIGHT_PITCH = 180.0;
} // namespace

// Puts the camera 20 units back, tilted 20 degrees, with the light on the camera's side.
void setViewerDefaults()
{
    app.cameraDistance = START_CAMERA_DISTANCE;
    app.cameraYaw = START_CAMERA_YAW;
    app.cameraPitch = START_CAMERA_PITCH;
    app.lightDistance = START_LIGHT_DISTANCE;
    app.lightYaw = START_LIGHT_YAW;
    app.lightPitch = START_LIGHT_PITCH;
}
