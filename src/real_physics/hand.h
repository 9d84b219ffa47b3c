// hand.h: the bowler's hand, which side the natural hook turns to and from
// which edge the boards are counted, kept across runs in a file of its own
// in the game's data folder. Private to src/real_physics/.
#pragma once

enum class Hand { right, left };

// The hand saved last, or the right where there is none or it cannot be read.
Hand savedHand();
// Replaces the saved hand whole; a failure is told once on standard error
// and the game plays on.
void saveHand(Hand hand);

// A right-hander's hook turns to the left (-x), a left-hander's to the right.
inline int naturalHookSide(Hand hand) { return hand == Hand::right ? -1 : 1; }
