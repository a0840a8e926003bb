// Environment reflection, vertex stage.
//
// Lesson: reflections are computed in eye space, where the eye is at the origin. The vertex stage
// hands over the eye-space position (which is also the direction from the eye to the surface) and
// the eye-space normal.
#version 120

varying vec3 eyePosition; // the surface point, eye space: the view ray runs from 0 to here
varying vec3 eyeNormal;   // its normal, eye space

void main()
{
    eyePosition = (gl_ModelViewMatrix * gl_Vertex).xyz;
    eyeNormal = gl_NormalMatrix * gl_Normal;
    gl_Position = ftransform();
}
