// swap_interval.h: private to src/smooth/.
#pragma once

// Asks the driver to show each picture at the display's next refresh, so a
// picture swapped waits for it; false where the driver offers no such swap.
// A driver may accept and still swap at once (Mesa's with vblank_mode=0).
bool swapInStepWithDisplay();

// The display's pictures a second where the driver tells them, else 0.
double displayRefreshRate();
