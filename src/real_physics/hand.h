// hand.h: each bowler's hand, which side the natural hook turns to and from
// which edge the boards are counted, kept across runs in a file of its own
// in the game's data folder. Private to src/real_physics/.
#pragma once

enum class Hand { right, left };

// The hand saved last for the bowler of that name ("" for an unnamed one),
// or the right where there is none or the file cannot be read.
Hand savedHand(const char* bowler);
// Keeps the bowler's hand, with those of the last bowlersKept others; the
// file is replaced whole, and a failure is told once on standard error
// while the game plays on.
void saveHand(const char* bowler, Hand hand);
inline constexpr int bowlersKept = 32;

// A right-hander's hook turns to the left (-x), a left-hander's to the right.
inline int naturalHookSide(Hand hand) { return hand == Hand::right ? -1 : 1; }
