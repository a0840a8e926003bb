// A textured, lit surface, fragment stage: the 2D texture times the light that reached the vertex.
//
// Lesson: a sampler uniform holds a texture unit, not a texture. The viewer sets Tex2D to 1, and
// unit 1 has the 2D texture bound; a sampler the shader never reads is optimised away, which the
// viewer tolerates.
#version 120

uniform sampler2D Tex2D; // the 2D texture, texture unit 1

varying vec2 surfaceCoord;
varying vec3 lightColour;

void main()
{
    vec3 texel = texture2D(Tex2D, surfaceCoord).rgb;
    gl_FragColor = vec4(texel * lightColour, 1.0);
}
