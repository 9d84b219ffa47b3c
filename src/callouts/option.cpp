// option.cpp: the callouts as an option: each ball watched from its release
// to the roll's end, and its callout shown for a moment after.
#include <GL/glut.h>

#include "callouts/callouts.h"

static const int shownMilliseconds = 1800;

static BallResult ball = {};
static int strikesInARow = 0;
static char shown[32] = "";
static int showings = 0;  // counts callouts, so that only the last one's timer hides it

static void hide(int showing)
{
    if (showing != showings)
        return;
    shown[0] = '\0';
    glutPostRedisplay();
}

namespace {

class CalloutsOption : public PlayerOption {
    // The last ball's callout makes way for this one.
    void ballReleased() override
    {
        hide(showings);
        ball.firstBall = gameTurn().framePart == 0;
        ball.standingBefore = standingPins();
        ball.gutter = false;
    }

    void contactMade(const Contact& contact) override
    {
        if (contact.kind == ContactKind::ballGutter)
            ball.gutter = true;
    }

    // The pins as the roll left them, before the reset; whether it was a
    // frame's first ball was noted at the release, as another option may
    // change framePart at a game's end.
    void rollEnded() override
    {
        ball.standingAfter = standingPins();
        ball.strikesBefore = strikesInARow;
        const bool strike = ball.firstBall && ball.standingAfter == 0;
        strikesInARow = strike ? strikesInARow + 1 : 0;
        calloutFor(ball, shown, sizeof shown);
        if (shown[0] != '\0')
            armTimer(shownMilliseconds, hide, ++showings);
    }

    void gameRestarted() override
    {
        strikesInARow = 0;
        hide(showings);
    }

    void drawLayer(Layer layer, const Turn&) override
    {
        if (layer == Layer::banner && shown[0] != '\0')
            drawBanner(shown);
    }
};

}  // namespace

PlayerOption& calloutsOption()
{
    static CalloutsOption option;
    return option;
}
