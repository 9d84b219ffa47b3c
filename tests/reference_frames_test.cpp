// Whole frames in known game states against pictures drawn before by the
// same renderer, value for value: a pin leaning the wrong way, a hidden pin
// drawn, a lost texture, a shifted light or a meter a tenth short all show.
// After an intended change of the picture, scripts/update-expected
// draws them again; look at them before committing.
#include <gtest/gtest.h>

#include <GL/glut.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "assets/assets.h"
#include "bmp_writer.h"
#include "final.h"
#include "game_window.h"

namespace {

// Mesa draws the same picture every time; this only forgives a rounding.
const int channelTolerance = 2;

void fall(int pin, float angle, Vector3D direction)
{
    PinInspector::fallAngle(pins[pin]) = angle;
    PinInspector::fallDirection(pins[pin]) = direction;
}

struct Scene { const char* name; void (*arrange)(); };

const Scene scenes[] = {
    {"start", [] {}},
    {"aiming", [] {
         useBumpers = true;
         shouldDrawAxes = true;
         ballTheta = 30;
         ballX = -0.1f;
     }},
    {"rolling", [] {
         currentState = rolling;
         ballZ = 0.1f;
         const float quarterTurnAboutX[16] = {1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1};
         std::copy(quarterTurnAboutX, quarterTurnAboutX + 16, ballRollM);
         fall(1, 60, Vector3D(0, 0, 0));  // no horizontal part: down the lane
         pins[2].hide();
     }},
    {"falling_pins", [] {
         currentState = rolling;
         ballZ = -1.0f;
         fall(0, 30, Vector3D(3, 0, -4));
         fall(3, 70, Vector3D(-10, 0, 0));
         fall(5, 45, Vector3D(0, 0, 12));
         fall(9, 20, Vector3D(6, 0, 6));
         pins[4].hide();
         pins[8].hide();
     }},
    {"gutter", [] {
         currentState = rolling;
         ballX = 0.3405f;
         ballZ = -0.6f;
         useBumpers = false;
     }},
    {"meter", [] {
         currentState = powering;
         ballSpeed = 0.37f;
     }},
    {"orbited", [] { eye = Vector3D(-0.389f, 1, 0.921f); }},  // 0.4 radians round the lane
};

// display() once, and the pixels it drew. Mesa's software renderer keeps the
// swapped picture in the back buffer; its front buffer reads black under Xvfb.
std::vector<unsigned char> drawFrame()
{
    display();
    std::vector<unsigned char> rgb((size_t)GW * GH * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, GW, GH, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

class ReferenceFrames : public testing::TestWithParam<Scene> {};

}  // namespace

TEST_P(ReferenceFrames, MatchTheStoredPicture)
{
    const Scene& scene = GetParam();
    restoreStartState();
    reshape(500, 500);
    scene.arrange();
    // The second frame is compared: what a frame leaves behind (a matrix,
    // texturing, a material) shows in the next.
    display();
    const std::vector<unsigned char> frame = drawFrame();
    // Kept at half size, each pixel the mean of a 2 x 2 block: a thin line still shows.
    const int width = GW / 2, height = GH / 2;
    std::vector<unsigned char> actual((size_t)width * height * 3);
    gluScaleImage(GL_RGB, GW, GH, GL_UNSIGNED_BYTE, frame.data(), width, height, GL_UNSIGNED_BYTE, actual.data());
    const std::string reference = std::string(BOWLING_REFERENCE_DIR) + "/" + scene.name + ".bmp";
    if (getenv("BOWLING_UPDATE_REFERENCES"))
        writeBmp(reference, width, height, actual);

    Image expected;
    ASSERT_TRUE(ImageLoad(reference.c_str(), &expected)) << scene.name << ": no picture stored";
    ASSERT_EQ(expected.width * expected.height * 3, actual.size()) << scene.name;
    // Differing values bright over a dimmed copy of the reference.
    std::vector<unsigned char> difference(actual.size());
    int differing = 0;
    for (size_t i = 0; i < difference.size(); i++) {
        const bool differs = std::abs(expected.data[i] - actual[i]) > channelTolerance;
        differing += differs;
        difference[i] = differs ? 255 : expected.data[i] / 4;
    }
    free(expected.data);
    if (differing > 0) {
        const std::string stem = std::filesystem::absolute(scene.name);
        writeBmp(stem + "-actual.bmp", width, height, actual);
        writeBmp(stem + "-difference.bmp", width, height, difference);
        ADD_FAILURE() << scene.name << ": " << differing << " values differ, see " << stem << "-actual.bmp and "
                      << stem << "-difference.bmp";
    }
}

INSTANTIATE_TEST_SUITE_P(Scenes, ReferenceFrames, testing::ValuesIn(scenes),
                         [](const auto& info) { return std::string(info.param.name); });
