// A textured, lit surface, vertex stage.
//
// Lesson: texture coordinates come in as gl_MultiTexCoord0 whatever texture unit they are meant
// for. The viewer's cube gives each corner a coordinate with glTexCoord2i, which fills set 0, while
// the 2D texture itself sits on unit 1 as Tex2D: the shader decides which coordinates go with which
// sampler. The lighting here is per vertex, the cheap way, to compare with phong.
#version 120

varying vec2 surfaceCoord; // where on the texture this vertex lies
varying vec3 lightColour;  // light 0's diffuse contribution at this vertex

const float AMBIENT = 0.4; // so the faces turned from the light still show their texture

void main()
{
    vec3 eyePosition = (gl_ModelViewMatrix * gl_Vertex).xyz;
    vec3 n = normalize(gl_NormalMatrix * gl_Normal);
    vec3 l = normalize(gl_LightSource[0].position.xyz - eyePosition * gl_LightSource[0].position.w);
    lightColour = vec3(AMBIENT) + max(dot(n, l), 0.0) * gl_LightSource[0].diffuse.rgb;

    surfaceCoord = gl_MultiTexCoord0.st;
    gl_Position = ftransform();
}
