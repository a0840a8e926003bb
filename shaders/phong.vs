// Per-pixel lighting, vertex stage.
//
// Lesson: light per pixel, not per vertex. The vertex stage does no lighting at all; it only hands
// the fragment stage the eye-space position and normal, which the rasteriser interpolates across
// each triangle.
//
// The viewer stores light 0's position with glLightfv while the camera's model-view matrix is
// current, so gl_LightSource[0].position already arrives in eye space: do the lighting in eye space
// too, with the model-view matrix for points and the normal matrix for normals.
#version 120

varying vec3 eyePosition; // the surface point, eye space
varying vec3 eyeNormal;   // its normal, eye space, not yet of unit length

void main()
{
    eyePosition = (gl_ModelViewMatrix * gl_Vertex).xyz;
    eyeNormal = gl_NormalMatrix * gl_Normal;
    gl_Position = ftransform(); // the fixed-function transform, exactly
}
