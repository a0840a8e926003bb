// Toon shading, fragment stage: light 0 in four flat bands over the 2D texture, a touch of the
// environment reflected from the cube map, and a dark outline whose width breathes with Time.
#version 120

uniform float Time;          // grows by 0.01 per idle call
uniform samplerCube TexCube; // the environment, texture unit 0
uniform sampler2D Tex2D;     // the 2D texture, texture unit 1

varying vec3 eyeNormal;
varying vec3 toLight;
varying vec3 toEye;
varying vec2 surfaceCoord;

// Quantises a diffuse term into four flat bands.
float toonBand(float diffuse)
{
    return diffuse > 0.9 ? 1.0 : diffuse > 0.6 ? 0.7 : diffuse > 0.3 ? 0.45 : 0.2;
}

void main()
{
    vec3 n = normalize(eyeNormal);
    vec3 l = normalize(toLight);
    vec3 e = normalize(toEye);

    // Light 0's colour in bands, with a little white so the texture still reads in the dark.
    float band = toonBand(max(dot(n, l), 0.0));
    vec3 light = vec3(0.25) + band * (gl_LightSource[0].diffuse.rgb + vec3(0.6));
    vec3 surface = texture2D(Tex2D, surfaceCoord).rgb * light;

    // The environment, turned by the texture matrix of unit 0 as the viewer turns the cube map.
    vec3 reflected = reflect(-e, n);
    vec3 environment = textureCube(TexCube, (gl_TextureMatrix[0] * vec4(reflected, 0.0)).xyz).rgb;

    // A dark rim where the surface turns away from the eye.
    float rimWidth = 0.22 + 0.04 * sin(Time);
    float outline = smoothstep(rimWidth, rimWidth + 0.05, dot(n, e));

    gl_FragColor = vec4(mix(surface, environment, 0.2) * outline, 1.0);
}
