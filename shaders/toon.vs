// Toon shading, vertex stage: hands the fragment stage the eye-space vectors it shades with.
#version 120

varying vec3 eyeNormal;   // surface normal, eye space
varying vec3 toLight;     // from the surface to light 0, eye space
varying vec3 toEye;       // from the surface to the eye, eye space
varying vec2 surfaceCoord; // texture coordinate set 0 of the object

void main()
{
    vec4 eyePosition = gl_ModelViewMatrix * gl_Vertex;
    eyeNormal = gl_NormalMatrix * gl_Normal;
    // Light 0's position is stored in eye space already; w = 0 would make it a direction.
    toLight = gl_LightSource[0].position.xyz - eyePosition.xyz * gl_LightSource[0].position.w;
    toEye = -eyePosition.xyz;
    surfaceCoord = gl_MultiTexCoord0.st;
    gl_Position = ftransform();
}
