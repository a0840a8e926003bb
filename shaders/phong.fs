// Per-pixel lighting, fragment stage: ambient, diffuse and specular terms of light 0.
//
// Lesson: the fixed-function state is the shader's input. The viewer never switches GL_LIGHT0 on,
// yet gl_LightSource[0] holds what it set: the diffuse colour (a warm red) and the position. The
// object's colour comes in through colour material as gl_FrontMaterial: the viewer's current
// colour, white, is its ambient and diffuse colour.
#version 120

varying vec3 eyePosition;
varying vec3 eyeNormal;

const float SHININESS = 40.0;       // size of the highlight: larger is smaller and sharper
const float SPECULAR_STRENGTH = 0.6;

void main()
{
    // Interpolation shortens normals between vertices: make them unit length again, per pixel.
    vec3 n = normalize(eyeNormal);
    // A position with w = 1 is a point; w = 0 would make it a direction (a light at infinity).
    vec3 l = normalize(gl_LightSource[0].position.xyz - eyePosition * gl_LightSource[0].position.w);
    // The eye sits at the origin of eye space.
    vec3 e = normalize(-eyePosition);
    // Blinn's half vector: halfway between the light and the eye.
    vec3 h = normalize(l + e);

    float diffuse = max(dot(n, l), 0.0);
    // No highlight on the side turned away from the light.
    float specular = diffuse > 0.0 ? pow(max(dot(n, h), 0.0), SHININESS) : 0.0;

    vec3 ambient = gl_LightModel.ambient.rgb * gl_FrontMaterial.ambient.rgb;
    vec3 colour = ambient
        + diffuse * gl_LightSource[0].diffuse.rgb * gl_FrontMaterial.diffuse.rgb
        + specular * SPECULAR_STRENGTH * vec3(1.0);
    gl_FragColor = vec4(colour, 1.0);
}
