// Animation by Time, fragment stage: diffuse light 0, with the crests of the wave drawn paler.
//
// Lesson: a varying carries anything, not only geometry. The vertex stage's swell value arrives
// here interpolated, and colours the surface by how far it was pushed.
#version 120

varying vec3 eyePosition;
varying vec3 eyeNormal;
varying float swell;

const vec3 TROUGH = vec3(0.15, 0.35, 0.8); // the colour of the sunken parts
const vec3 CREST = vec3(0.85, 0.95, 1.0);  // the colour of the swollen parts
const float AMBIENT = 0.25;

void main()
{
    vec3 n = normalize(eyeNormal);
    vec3 l = normalize(gl_LightSource[0].position.xyz - eyePosition * gl_LightSource[0].position.w);
    vec3 light = vec3(AMBIENT) + max(dot(n, l), 0.0) * (gl_LightSource[0].diffuse.rgb + vec3(0.3));
    vec3 surface = mix(TROUGH, CREST, 0.5 + 0.5 * swell);
    gl_FragColor = vec4(surface * light, 1.0);
}
