// option.cpp: the cameras as an option: V cycles the views, and the follow
// view places the camera each picture from the ball's place, then takes it
// back to the bowler's view in pictures of its own once the roll is over.
#include <GL/glut.h>

#include <cctype>

#include "camera/camera.h"

enum class View { follow, bowler, side, count };

static View view = View::follow;
static float startZ = 0;           // where the rolling ball left the hand
static bool returning = false;     // to the bowler's view, after a roll
static Camera returnFrom;          // where the camera stood at the roll's end
static int returnStart = -1;       // GLUT's milliseconds at its first picture, -1 before
static int pausedAt = -1;          // GLUT's milliseconds at a pause, -1 in play
static const int returnMilliseconds = 1200;  // eased, so it seems to linger on the deck first
static const int pictureMilliseconds = 16;

// Across, from the projection in use: a wider picture sees more.
static double tanHalfWide()
{
    GLdouble projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    return projection[0] > 0 ? 1 / projection[0] : 1;
}

// A paused game stands still, its camera too.
static int now()
{
    return pausedAt >= 0 ? pausedAt : elapsedMilliseconds();
}

static void nextPicture(int)
{
    if (!returning)
        return;
    if (pausedAt < 0)
        askPicture();
    armTimer(pictureMilliseconds, nextPicture, 0);
}

namespace {

class CameraOption : public PlayerOption {
    bool takeKey(unsigned char key) override
    {
        if (tolower(key) != 'v')
            return false;
        view = (View)(((int)view + 1) % (int)View::count);
        returning = false;
        glutPostRedisplay();
        return true;
    }

    void ballReleased() override
    {
        startZ = gameTurn().ballZ;
        returning = false;
    }

    // The ball's last place, before the reset puts it back in the hand. The
    // camera stays there until then, while the deck is cleared.
    void rollEnded() override
    {
        if (view != View::follow)
            return;
        const Turn& turn = gameTurn();
        returnFrom = followCamera({turn.eye, turn.look}, turn.ballX, turn.ballZ, startZ, tanHalfWide());
        returnStart = -1;
        returning = true;
        nextPicture(0);
    }

    void gamePaused(bool paused) override
    {
        const int time = elapsedMilliseconds();
        if (!paused && pausedAt >= 0 && returnStart >= 0)
            returnStart += time - pausedAt;
        pausedAt = paused ? time : -1;
    }

    void gameRestarted() override { returning = false; }

    void placeCamera(Camera& camera, const Turn& shown) override
    {
        if (view == View::side) {
            camera = sideCamera();
        } else if (view == View::follow && shown.currentState == rolling) {
            camera = followCamera(camera, shown.ballX, shown.ballZ, startZ, tanHalfWide());
        } else if (view == View::follow && returning) {
            if (returnStart < 0)
                returnStart = now();
            const double fraction = (double)(now() - returnStart) / returnMilliseconds;
            returning = fraction < 1;
            camera = cameraBetween(returnFrom, camera, fraction);
        }
    }
};

}  // namespace

PlayerOption& cameraOption()
{
    static CameraOption option;
    return option;
}
