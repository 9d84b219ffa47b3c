// swap_interval.h: private to src/smooth/.
#pragma once

// Asks the driver to show each picture at the display's next refresh, so a
// picture swapped waits for it; false where the driver offers no such swap.
bool swapInStepWithDisplay();
