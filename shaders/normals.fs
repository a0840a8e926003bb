// Debugging view of the normals, fragment stage: each axis of the unit normal as a colour channel.
//
// Lesson: a unit vector's parts run from -1 to 1, a colour's from 0 to 1: map with n * 0.5 + 0.5.
// Normalising here shows the direction alone; a normal that is not unit length at the vertices
// would otherwise show as a too dark or too bright colour.
#version 120

varying vec3 objectNormal;

void main()
{
    vec3 n = normalize(objectNormal);
    gl_FragColor = vec4(n * 0.5 + 0.5, 1.0);
}
