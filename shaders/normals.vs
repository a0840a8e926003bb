// Debugging view of the normals, vertex stage.
//
// Lesson: when lighting looks wrong, look at the normals first. This pair shows the object's own
// normals (gl_Normal, before any matrix) as colours, so they do not change as the camera orbits:
// the cube's +X face is a light red, +Y a light green, +Z a light blue, and the faces opposite them
// dark cyan, dark magenta and olive. Swap in gl_NormalMatrix * gl_Normal to see the eye-space normals that lighting uses.
#version 120

varying vec3 objectNormal;

void main()
{
    objectNormal = gl_Normal;
    gl_Position = ftransform();
}
