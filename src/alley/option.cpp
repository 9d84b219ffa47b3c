// option.cpp: the alley through the option door. Everything that never
// moves is one display list, made with its textures the first time the
// floor is drawn; the bumpers come and go with the key, and the meter is
// kept in sight.
#include <GL/glut.h>

#include <initializer_list>

#include "alley/alley.h"
#include "alley/layout.h"
#include "alley/pieces.h"
#include "alley/pinsetter.h"
#include "rendering/rendering.h"

namespace alley {

// Nearest first, as the bowler sees them: what lies behind is hidden
// before it costs its texture or its light.
const Piece pieces[] = {
    {"approach", drawApproach}, {"lanes", drawLanes},          {"gutters", drawGutters}, {"dividers", drawDividers},
    {"pits", drawPits},         {"masking", drawMaskingUnit}, {"walls", drawWalls},
};
const int pieceCount = sizeof pieces / sizeof pieces[0];

}  // namespace alley

using namespace alley;

// Rails over the gutters' inner halves, from their floors up to where the
// ball is stopped.
static const double bumperWidth = gutterLine - laneEdge;
static const double bumperTop = 0.03;

static void drawBumpers()
{
    useMaterial(bumperMaterial);
    for (int side : {-1, 1}) {
        glPushMatrix();
        glTranslated(side * (laneEdge + bumperWidth / 2), (bumperTop + gutterBottomY) / 2, laneFarEnd + laneLength / 2);
        glScaled(bumperWidth, bumperTop - gutterBottomY, laneLength);
        glutSolidCube(1.0);
        glPopMatrix();
    }
}

namespace {

class AlleyOption : public PlayerOption {
public:
    // The pinsetter clears the deck before the next ball: a new rack once
    // the frame is over (a strike included).
    bool holdSetUp(void (*setUp)(int), int value) override
    {
        startPinsetter(setUp, value, gameTurn().framePart == 0 || pinsStanding() == 0);
        return true;
    }

    // A key that reaches the game does not wait for the pinsetter.
    bool takeKey(unsigned char) override
    {
        finishPinsetter();
        return false;
    }
    bool takeSpecialKey(int) override
    {
        finishPinsetter();
        return false;
    }

    bool sweepsFallenPins() override { return true; }
    void gamePaused(bool paused) override { pausePinsetter(paused); }
    void gameRestarted() override { stopPinsetter(); }

    void movePin(Vector3D& shift, const Vector3D& middle, bool standing) override
    {
        if (pinsetterShown)
            shift = shift + pinCarried(pose, middle, standing);
    }

    bool drawFloor(const Turn& shown) override
    {
        // One pose for the whole picture.
        pinsetterShown = pinsetterRunning(pose);
        if (!list) {
            const Textures textures = makeTextures();
            list = glGenLists(1);
            glNewList(list, GL_COMPILE);
            for (int i = 0; i < pieceCount; i++)
                pieces[i].draw(textures);
            glEndList();
        }
        glCallList(list);
        if (shown.useBumpers)
            drawBumpers();
        return true;
    }

    // The game draws the meter first, at the eye's near side of the floor
    // it had in mind; the approach under the eye lies nearer and would
    // hide it. So it is drawn again over the scene, whole, as the game
    // shows it over its black.
    void drawLayer(Layer layer, const Turn& shown) override
    {
        if (layer == Layer::deck && pinsetterShown)
            drawPinsetter(pose);
        if (layer != Layer::meter)
            return;
        glDisable(GL_DEPTH_TEST);
        glPushMatrix();
        lookFromMeterCamera();
        drawForceMeter(shown.ballSpeed);
        glPopMatrix();
        glEnable(GL_DEPTH_TEST);
    }

private:
    GLuint list = 0;
    bool pinsetterShown = false;
    PinsetterPose pose;
};

}  // namespace

PlayerOption& alleyOption()
{
    static AlleyOption option;
    return option;
}
