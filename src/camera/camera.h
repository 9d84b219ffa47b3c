// camera.h: the cameras of the player's game. By default the camera follows
// the ball down the lane from behind and above, ends on the pin deck close
// enough for the rack to fill a good part of the picture, stays while the
// pins fly and settle, and goes back to the bowler's view for the next
// ball. V cycles that, the bowler's view alone, and a view from the side.
#pragma once

#include "option_door.h"

PlayerOption& cameraOption();

// The path as numbers, a pure function of the ball's place, for the option
// and its tests. tanHalfWide is the tangent of half the scene's field
// across: a wider picture sees more, so the deck camera comes closer.

// From the bowler's camera while the ball is near startZ, where it left the
// hand, to behind and above the ball, and on to the deck camera before the
// ball reaches the head pin.
Camera followCamera(const Camera& bowler, float ballX, float ballZ, float startZ, double tanHalfWide);
// Over the pin deck, the rack across the middle of the picture.
Camera deckCamera(double tanHalfWide);
// From one camera to another, a fraction of the way in time, easing in and out.
Camera cameraBetween(const Camera& from, const Camera& to, double fraction);
// High on the right of the lane, looking across it at the whole run to the pins.
Camera sideCamera();
