// Whole frames compared with pictures our own renderer drew before, to
// catch what the point tests miss: a lost texture, a turned ball, a shifted
// light. After an intended change of the picture (drawing, camera, textures)
// scripts/update-reference-images draws them again.
//
// The pictures are kept at half size (250 x 250, each pixel the mean of a
// 2 x 2 block) as plain 24-bit BMPs of 188 KB: small enough to keep in the
// repository, readable by the game's own loader, and a one-pixel line still
// shows in them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bmp_writer.h"
#include "final.h"
#include "frame_capture.h"
#include "game_window.h"

namespace {

// Mesa's software renderer draws the same picture every time on one
// machine; the slack allows for small rounding differences elsewhere.
const int channelTolerance = 8;
const double allowedDifferingShare = 0.0025;

struct Scene { const char* name; void (*arrange)(); };

void tiltPin(int i, float angle, Vector3D direction)
{
    PinInspector::fallAngle(pins[i]) = angle;
    PinInspector::fallDirection(pins[i]) = direction;
}

const Scene scenes[] = {
    {"start", [] {}},
    {"bumpers-axes-aim", [] {
         useBumpers = true;
         shouldDrawAxes = true;
         ballTheta = 30;
         ballX = -0.1f;
     }},
    {"mid-roll", [] {
         currentState = rolling;
         ballX = 0.05f;
         ballZ = -1.1f;
         ballSpeed = 0.4f;
         const float c = std::cos(0.7f), s = std::sin(0.7f);  // turned about the x axis
         const float rolled[16] = {1, 0, 0, 0, 0, c, -s, 0, 0, s, c, 0, 0, 0, 0, 1};
         std::copy(rolled, rolled + 16, ballRollM);
         tiltPin(0, 35, Vector3D(0.2f, 0, -1));
         tiltPin(1, 60, Vector3D(1, 0, -0.5f));
         tiltPin(4, 15, Vector3D(-0.3f, 0, -1));
         pins[2].hide();
     }},
    {"orbited", [] { eye = Vector3D(std::cos(1.97f), 1, std::sin(1.97f)); }},  // 0.4 radians round
};

}  // namespace

TEST(ReferenceFrames, FramesMatchTheStoredPictures)
{
    const bool update = getenv("BOWLING_UPDATE_REFERENCES") != nullptr;
    for (const Scene& scene : scenes) {
        restoreStartState();
        scene.arrange();
        const Frame actual = halfSize(drawFrame());
        const std::string reference = std::string(BOWLING_REFERENCE_DIR) + "/" + scene.name + ".bmp";
        if (update) {
            EXPECT_TRUE(writeBmp(reference, actual.width, actual.height, actual.rgb)) << reference;
            continue;
        }
        Frame expected;
        ASSERT_TRUE(readFrame(reference, expected))
            << scene.name << ": no reference picture; make it with scripts/update-reference-images";
        ASSERT_TRUE(expected.width == actual.width && expected.height == actual.height) << scene.name;

        Frame difference;
        const int differing = countDifferences(expected, actual, channelTolerance, difference);
        const int allowed = (int)(allowedDifferingShare * actual.width * actual.height);
        auto saveInBuildFolder = [&](const char* suffix, const Frame& frame) {
            const std::string path = std::filesystem::absolute(scene.name + std::string(suffix));
            writeBmp(path, frame.width, frame.height, frame.rgb);
            return path;
        };
        if (differing > allowed)
            ADD_FAILURE() << scene.name << ": " << differing << " pixels differ (at most " << allowed
                          << " may), see " << saveInBuildFolder("-actual.bmp", actual) << " and "
                          << saveInBuildFolder("-difference.bmp", difference);
    }
}
