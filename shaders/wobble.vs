// Animation by Time, vertex stage: the surface swells and sinks in waves along its normals.
//
// Lesson: Time is a plain float uniform that the viewer raises by 0.01 at every idle moment, so
// anything that is a function of it moves. Here each vertex is pushed along its normal by a wave
// that travels over the object. The displaced vertex goes through the same matrices as any other;
// ftransform() would use the original gl_Vertex, so the shader transforms the moved point itself.
#version 120

uniform float Time;

varying vec3 eyePosition;
varying vec3 eyeNormal;
varying float swell; // how far out this vertex was pushed, -1 to 1

const float AMPLITUDE = 0.3;   // scene units
const float WAVELENGTH = 6.0;  // scene units between crests
const float SPEED = 3.0;       // radians of phase per unit of Time

void main()
{
    // A wave over the object's own coordinates, so it sticks to the object as the camera moves.
    float phase = dot(gl_Vertex.xyz, vec3(1.0, 0.7, 0.4)) * (6.2831853 / WAVELENGTH) - SPEED * Time;
    swell = sin(phase);
    vec4 moved = vec4(gl_Vertex.xyz + gl_Normal * (AMPLITUDE * swell), gl_Vertex.w);

    eyePosition = (gl_ModelViewMatrix * moved).xyz;
    // The normals are left as they were: a fair approximation for a gentle wave.
    eyeNormal = gl_NormalMatrix * gl_Normal;
    gl_Position = gl_ModelViewProjectionMatrix * moved;
}
