// Checks the committed cube-map faces as the viewer reads them: every pair of texels that meet
// across a cube edge carries the same environment, and the sky lies above the ground.
#include "resources/textures.h"

#include <IL/il.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
const std::string TEXTURE_DIRECTORY = TESMOREL_TEXTURE_DIR;
const std::string CUBE_MAP_BASE = TEXTURE_DIRECTORY + "/uffizi";
const std::string CRATE_PATH = TEXTURE_DIRECTORY + "/crate.jpg";
constexpr int IMAGE_SIZE = 512;
constexpr int CHANNELS = 3;

// How much larger than the step between neighbouring texels inside a face the step across an
// edge may be, on average over that edge, and the slack in levels for the dither.
constexpr double SEAM_RATIO = 1.25;
constexpr double SEAM_SLACK = 0.75;
// Pairing each border texel with the wrong end of its neighbour's edge must look far worse.
constexpr double MISMATCH_RATIO = 5.0;

// The GL's face selection for a direction r: the face whose major axis ma is the largest
// component, then sc and tc as signed components of r; s = (sc / |ma| + 1) / 2, t likewise.
struct FaceSelection {
    GLenum face;
    int majorAxis;
    double majorSign;
    int sAxis;
    double sSign;
    int tAxis;
    double tSign;
};

const FaceSelection FACE_SELECTIONS[] = {
    {GL_TEXTURE_CUBE_MAP_POSITIVE_X, 0, +1.0, 2, -1.0, 1, -1.0}, // sc = -rz, tc = -ry
    {GL_TEXTURE_CUBE_MAP_NEGATIVE_X, 0, -1.0, 2, +1.0, 1, -1.0}, // sc = +rz, tc = -ry
    {GL_TEXTURE_CUBE_MAP_POSITIVE_Y, 1, +1.0, 0, +1.0, 2, +1.0}, // sc = +rx, tc = +rz
    {GL_TEXTURE_CUBE_MAP_NEGATIVE_Y, 1, -1.0, 0, +1.0, 2, -1.0}, // sc = +rx, tc = -rz
    {GL_TEXTURE_CUBE_MAP_POSITIVE_Z, 2, +1.0, 0, +1.0, 1, -1.0}, // sc = +rx, tc = -ry
    {GL_TEXTURE_CUBE_MAP_NEGATIVE_Z, 2, -1.0, 0, -1.0, 1, -1.0}, // sc = -rx, tc = -ry
};

// One face image as the viewer uploads it: row 0 is texture row t = 0.
struct FaceImage {
    const FaceSelection* selection = nullptr;
    std::string path;
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
};

// A texel of one face of the six.
struct Texel {
    int face;
    int column;
    int row;
};

// The selection row of a face.
const FaceSelection* selectionOf(GLenum face)
{
    for (const FaceSelection& s : FACE_SELECTIONS)
        if (s.face == face)
            return &s;
    return nullptr;
}

// Reads an image the way the viewer does: the library's default origin, converted to RGB bytes.
FaceImage loadLikeTheViewer(const std::string& path)
{
    FaceImage image;
    image.path = path;
    ILuint name = 0;
    ilGenImages(1, &name);
    ilBindImage(name);
    if (ilLoadImage(path.c_str()) && ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE)) {
        image.width = ilGetInteger(IL_IMAGE_WIDTH);
        image.height = ilGetInteger(IL_IMAGE_HEIGHT);
        const ILubyte* data = ilGetData();
        image.rgb.assign(data, data + static_cast<std::size_t>(image.width) * image.height * CHANNELS);
    }
    ilDeleteImages(1, &name);
    return image;
}

// The six faces in the viewer's table order, read once for all tests.
class CubeMapFiles : public ::testing::Test {
protected:
    // Starts the image library and reads the faces.
    static void SetUpTestSuite()
    {
        ilInit();
        faces = new std::vector<FaceImage>;
        for (const CubeMapFace& face : CUBE_MAP_FACES) {
            FaceImage image = loadLikeTheViewer(CUBE_MAP_BASE + face.suffix + ".png");
            image.selection = selectionOf(face.target);
            faces->push_back(std::move(image));
        }
    }

    // Frees the faces.
    static void TearDownTestSuite()
    {
        delete faces;
        faces = nullptr;
    }

    // The colour of a texel.
    static const unsigned char* colour(const Texel& t)
    {
        const FaceImage& f = (*faces)[t.face];
        return f.rgb.data() + (static_cast<std::size_t>(t.row) * f.width + t.column) * CHANNELS;
    }

    // The largest channel difference between two texels.
    static int difference(const Texel& a, const Texel& b)
    {
        int largest = 0;
        for (int c = 0; c < CHANNELS; ++c)
            largest = std::max(largest, std::abs(colour(a)[c] - colour(b)[c]));
        return largest;
    }

    // The direction through the point (s, t) of a face, by the selection rule run backwards.
    static void direction(int face, double s, double t, double r[3])
    {
        const FaceSelection& sel = *(*faces)[face].selection;
        r[sel.majorAxis] = sel.majorSign;
        r[sel.sAxis] = sel.sSign * (2.0 * s - 1.0);
        r[sel.tAxis] = sel.tSign * (2.0 * t - 1.0);
    }

    // The texel that the GL samples for a direction.
    static Texel lookUp(const double r[3])
    {
        for (int face = 0; face < static_cast<int>(faces->size()); ++face) {
            const FaceSelection& sel = *(*faces)[face].selection;
            const double ma = r[sel.majorAxis];
            const bool major = std::abs(ma) >= std::abs(r[(sel.majorAxis + 1) % 3])
                && std::abs(ma) >= std::abs(r[(sel.majorAxis + 2) % 3]);
            if (!major || ma * sel.majorSign <= 0.0)
                continue;
            const int size = (*faces)[face].width;
            const double s = (sel.sSign * r[sel.sAxis] / std::abs(ma) + 1.0) / 2.0;
            const double t = (sel.tSign * r[sel.tAxis] / std::abs(ma) + 1.0) / 2.0;
            return {face, std::clamp(static_cast<int>(s * size), 0, size - 1),
                std::clamp(static_cast<int>(t * size), 0, size - 1)};
        }
        return {0, 0, 0};
    }

    static std::vector<FaceImage>* faces;
};

std::vector<FaceImage>* CubeMapFiles::faces = nullptr;

// Mean channel value of one row of a face.
double rowMean(const FaceImage& face, int row, int channel)
{
    double sum = 0.0;
    for (int column = 0; column < face.width; ++column)
        sum += face.rgb[(static_cast<std::size_t>(row) * face.width + column) * CHANNELS + channel];
    return sum / face.width;
}
} // namespace

// All seven default images load through the image library at their full size.
TEST_F(CubeMapFiles, DefaultImagesLoadAtFullSize)
{
    for (const FaceImage& face : *faces) {
        EXPECT_EQ(face.width, IMAGE_SIZE) << face.path;
        EXPECT_EQ(face.height, IMAGE_SIZE) << face.path;
    }
    ilInit();
    const FaceImage crate = loadLikeTheViewer(CRATE_PATH);
    EXPECT_EQ(crate.width, IMAGE_SIZE) << crate.path;
    EXPECT_EQ(crate.height, IMAGE_SIZE) << crate.path;
}

// Each border texel is paired with the texel the GL samples one texel further on, past the
// cube edge; that step must be no larger than the step to the next texel inside the face,
// while pairing with the far end of the neighbour's edge instead must show a clear mismatch.
TEST_F(CubeMapFiles, TexelsMatchAcrossEveryCubeEdge)
{
    for (const FaceImage& face : *faces)
        ASSERT_EQ(face.width, IMAGE_SIZE) << face.path;

    double allSeams = 0.0;
    double allInner = 0.0;
    double allMismatches = 0.0;
    int worstSeam = 0;
    int worstInner = 0;
    int pairs = 0;
    for (int face = 0; face < static_cast<int>(faces->size()); ++face)
        for (int edge = 0; edge < 4; ++edge) {
            // Edges: s = 0, s = 1, t = 0, t = 1; the texels along it run with i.
            const bool alongT = edge < 2;
            const bool farSide = edge % 2 == 1;
            const int last = IMAGE_SIZE - 1;
            double seamSum = 0.0;
            double innerSum = 0.0;
            for (int i = 0; i < IMAGE_SIZE; ++i) {
                const int fixedIndex = farSide ? last : 0;
                const int inward = farSide ? last - 1 : 1;
                const Texel border = alongT ? Texel{face, fixedIndex, i} : Texel{face, i, fixedIndex};
                const Texel inner = alongT ? Texel{face, inward, i} : Texel{face, i, inward};

                // The point one texel beyond the border texel's centre, in this face's plane.
                const double across = (farSide ? IMAGE_SIZE + 0.5 : -0.5) / IMAGE_SIZE;
                const double along = (i + 0.5) / IMAGE_SIZE;
                double r[3];
                direction(face, alongT ? across : along, alongT ? along : across, r);
                const Texel beyond = lookUp(r);
                ASSERT_NE(beyond.face, face) << "face " << face << " edge " << edge;
                const bool onBorder = beyond.column == 0 || beyond.column == last
                    || beyond.row == 0 || beyond.row == last;
                ASSERT_TRUE(onBorder) << "face " << face << " edge " << edge << " texel " << i;

                // The same neighbour edge, taken from its other end.
                const double mirroredAlong = 1.0 - along;
                double m[3];
                direction(face, alongT ? across : mirroredAlong, alongT ? mirroredAlong : across, m);
                const Texel mirrored = lookUp(m);

                const int seam = difference(border, beyond);
                const int step = difference(border, inner);
                seamSum += seam;
                innerSum += step;
                allMismatches += difference(border, mirrored);
                worstSeam = std::max(worstSeam, seam);
                worstInner = std::max(worstInner, step);
            }
            const double seamMean = seamSum / IMAGE_SIZE;
            const double innerMean = innerSum / IMAGE_SIZE;
            std::printf("%s edge %d: mean step across %.2f, inside %.2f\n",
                (*faces)[face].path.c_str(), edge, seamMean, innerMean);
            EXPECT_LE(seamMean, SEAM_RATIO * innerMean + SEAM_SLACK)
                << (*faces)[face].path << " edge " << edge;
            allSeams += seamSum;
            allInner += innerSum;
            pairs += IMAGE_SIZE;
        }

    const double seamMean = allSeams / pairs;
    const double mismatchMean = allMismatches / pairs;
    std::printf("all edges: mean step across %.2f (largest %d), inside %.2f (largest %d);"
                " mirrored pairing %.2f\n",
        seamMean, worstSeam, allInner / pairs, worstInner, mismatchMean);
    EXPECT_GE(mismatchMean, MISMATCH_RATIO * seamMean);
}

// The viewer reads row 0 as t = 0, which on the side faces looks up (tc = -ry): the top rows
// of the side faces are sky, their bottom rows ground, the up face blue and the down face not.
TEST_F(CubeMapFiles, SkyLiesAboveTheGround)
{
    constexpr int RED = 0;
    constexpr int GREEN = 1;
    constexpr int BLUE = 2;
    constexpr int Y_AXIS = 1;
    constexpr int MIDDLE_ROW = IMAGE_SIZE / 2;
    constexpr int BOTTOM_ROW = IMAGE_SIZE - 1;
    for (const FaceImage& face : *faces) {
        ASSERT_EQ(face.height, IMAGE_SIZE) << face.path;
        if (face.selection->majorAxis == Y_AXIS) {
            const bool up = face.selection->majorSign > 0.0;
            const double blueOverGreen
                = rowMean(face, MIDDLE_ROW, BLUE) - rowMean(face, MIDDLE_ROW, GREEN);
            EXPECT_EQ(up, blueOverGreen > 0.0) << face.path;
        } else {
            EXPECT_GT(rowMean(face, 0, BLUE), rowMean(face, 0, RED)) << face.path << " top row";
            EXPECT_LT(rowMean(face, BOTTOM_ROW, BLUE), rowMean(face, BOTTOM_ROW, RED))
                << face.path << " bottom row";
        }
    }
}
