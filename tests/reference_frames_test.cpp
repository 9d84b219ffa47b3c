// Whole frames against pictures our own renderer drew before, to catch what
// the point tests miss: a lost texture, a turned ball, a shifted light.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "assets/assets.h"
#include "bmp_writer.h"
#include "frame_capture.h"
#include "game_window.h"

namespace {

// Mesa draws the same picture every time; the slack is for rounding elsewhere.
const int channelTolerance = 8;
const double allowedDifferingShare = 0.0025;

struct Scene { const char* name; void (*arrange)(); };

const Scene scenes[] = {
    {"aiming", [] {
         useBumpers = true;
         shouldDrawAxes = true;
         ballTheta = 30;
     }},
    {"rolling", [] {
         currentState = rolling;
         ballZ = 0.1f;
         ballSpeed = 0.4f;
         const float quarterTurnAboutX[16] = {1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1};
         std::copy(quarterTurnAboutX, quarterTurnAboutX + 16, ballRollM);
         PinInspector::fallAngle(pins[1]) = 60;
         pins[2].hide();
     }},
    {"orbited", [] { eye = Vector3D(-0.389f, 1, 0.921f); }},  // 0.4 radians round the lane
};

}  // namespace

TEST(ReferenceFrames, FramesMatchTheStoredPictures)
{
    for (const Scene& scene : scenes) {
        restoreStartState();
        scene.arrange();
        // Kept at half size, each pixel the mean of a 2 x 2 block: a thin line still shows.
        const Frame frame = drawFrame();
        Frame actual{frame.width / 2, frame.height / 2, std::vector<unsigned char>(frame.rgb.size() / 4)};
        gluScaleImage(GL_RGB, frame.width, frame.height, GL_UNSIGNED_BYTE, frame.rgb.data(),
                      actual.width, actual.height, GL_UNSIGNED_BYTE, actual.rgb.data());
        const std::string reference = std::string(BOWLING_REFERENCE_DIR) + "/" + scene.name + ".bmp";
        if (getenv("BOWLING_UPDATE_REFERENCES"))
            writeBmp(reference, actual.width, actual.height, actual.rgb);
        Image expected;
        // After an intended change of the picture, scripts/update-reference-images draws them again.
        ASSERT_TRUE(ImageLoad(reference.c_str(), &expected)) << scene.name << ": no picture stored";
        ASSERT_EQ(expected.width * expected.height * 3, actual.rgb.size()) << scene.name;
        // Differing values bright over a dimmed copy of the reference.
        std::vector<unsigned char> difference(actual.rgb.size());
        int differing = 0;
        for (size_t i = 0; i < difference.size(); i++) {
            const bool differs = std::abs(expected.data[i] - actual.rgb[i]) > channelTolerance;
            differing += differs;
            difference[i] = differs ? 255 : expected.data[i] / 4;
        }
        free(expected.data);
        const int allowed = (int)(allowedDifferingShare * difference.size());
        if (differing > allowed) {
            const std::string stem = std::filesystem::absolute(scene.name);
            writeBmp(stem + "-actual.bmp", actual.width, actual.height, actual.rgb);
            writeBmp(stem + "-difference.bmp", actual.width, actual.height, difference);
            ADD_FAILURE() << scene.name << ": " << differing << " values differ (at most " << allowed
                          << " may), see " << stem << "-actual.bmp and " << stem << "-difference.bmp";
        }
    }
}
