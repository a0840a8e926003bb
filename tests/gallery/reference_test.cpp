// Each gallery pair rendered by tesmorel-render against its reference picture under references/.
// A pair changed on purpose gets a new reference from tests/gallery/remake-references.
#include "console_text.h"
#include "gallery_support.h"
#include "picture_tolerance.h"
#include "rgb_picture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class GalleryReference : public ::testing::TestWithParam<GalleryPair> {};

TEST_P(GalleryReference, RendersLikeItsReference)
{
    const GalleryPair& pair = GetParam();
    const Image reference = readPicture(referencePath(pair.name));
    ASSERT_FALSE(reference.empty()) << "no reference picture " << referencePath(pair.name);

    const std::string picture = scratchPicturePath(pair.name);
    std::vector<std::string> arguments = {pair.name, "-o", picture};
    arguments.insert(arguments.end(), pair.options.begin(), pair.options.end());
    const ChildResult result = runRenderer(arguments);
    ASSERT_EQ(result.exitStatus, 0) << result.out << result.err;
    // Every pair of the gallery builds with empty logs, and its textures load.
    EXPECT_NE(result.out.find(CLEAN_REPORT_TEXT), std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("Could not"), std::string::npos) << result.out;

    const Image rendered = readPicture(picture);
    std::remove(picture.c_str());
    const PictureDifference difference = comparePictures(rendered, reference, PIXEL_TOLERANCE);
    ASSERT_TRUE(difference.sameSize) << rendered.width << "x" << rendered.height << " against "
                                     << reference.width << "x" << reference.height;
    EXPECT_GE(difference.shareWithinTolerance, SHARE_WITHIN_TOLERANCE)
        << "largest difference " << difference.largestDifference;
    EXPECT_LE(difference.largestDifference, LARGEST_DIFFERENCE)
        << "share within tolerance " << difference.shareWithinTolerance;
    EXPECT_TRUE(showsSomething(rendered));
}

INSTANTIATE_TEST_SUITE_P(Gallery, GalleryReference, ::testing::ValuesIn(readGalleryPairs()),
                         [](const ::testing::TestParamInfo<GalleryPair>& info) { return info.param.name; });

} // namespace

namespace {

// The tolerance is no blanket: wobble drawn a moment after its reference frame (Time 0.02 later)
// must not pass for it.
TEST(GalleryReference, ANearbyFrameDoesNotPass)
{
    const std::vector<GalleryPair> pairs = readGalleryPairs();
    const auto wobble = std::find_if(pairs.begin(), pairs.end(), [](const GalleryPair& p) { return p.name == "wobble"; });
    ASSERT_NE(wobble, pairs.end());
    std::vector<std::string> arguments = {wobble->name};
    arguments.insert(arguments.end(), wobble->options.begin(), wobble->options.end());
    const auto time = std::find(arguments.begin(), arguments.end(), "--time");
    ASSERT_NE(time, arguments.end());
    *(time + 1) = std::to_string(std::stod(*(time + 1)) + 0.02);

    const std::string picture = scratchPicturePath("wobble-later");
    arguments.insert(arguments.end(), {"-o", picture});
    const ChildResult result = runRenderer(arguments);
    ASSERT_EQ(result.exitStatus, 0) << result.out << result.err;
    const Image later = readPicture(picture);
    std::remove(picture.c_str());
    const PictureDifference difference = comparePictures(later, readPicture(referencePath("wobble")), PIXEL_TOLERANCE);
    ASSERT_TRUE(difference.sameSize);
    EXPECT_FALSE(difference.shareWithinTolerance >= SHARE_WITHIN_TOLERANCE
                 && difference.largestDifference <= LARGEST_DIFFERENCE)
        << "share within tolerance " << difference.shareWithinTolerance << ", largest difference "
        << difference.largestDifference;
}

} // namespace
