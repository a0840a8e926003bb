// Environment reflection, fragment stage: a mirror finish that shows the cube map.
//
// Lesson: the viewer keeps the cube map's orientation in the texture matrix of unit 0 (the light's
// and the camera's angles). Turn the eye-space reflection vector by gl_TextureMatrix[0] before the
// lookup, so the surroundings turn when the camera orbits or the right mouse button turns the light.
// A direction has w = 0, so the matrix turns it without moving it.
#version 120

uniform samplerCube TexCube; // the environment, texture unit 0

varying vec3 eyePosition;
varying vec3 eyeNormal;

const vec3 TINT = vec3(0.95, 0.9, 0.8); // a slightly golden metal
const float EDGE_BOOST = 0.5;           // how much brighter the mirror gets at grazing angles

void main()
{
    vec3 n = normalize(eyeNormal);
    vec3 view = normalize(eyePosition);          // from the eye to the surface
    vec3 mirrored = reflect(view, n);            // bounced off the surface, eye space
    vec3 direction = (gl_TextureMatrix[0] * vec4(mirrored, 0.0)).xyz;
    vec3 environment = textureCube(TexCube, direction).rgb;

    // Mirrors reflect more as the view grazes them (a cheap stand-in for Fresnel's law).
    float grazing = 1.0 - max(dot(-view, n), 0.0);
    float strength = 1.0 + EDGE_BOOST * grazing * grazing;
    gl_FragColor = vec4(environment * TINT * strength, 1.0);
}
