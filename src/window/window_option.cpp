// window_option.cpp: the player's window as an option: each moment handed
// to the part of src/window/ that deals with it.
#include "overlay/overlay.h"
#include "window/window.h"
#include "window/window_parts.h"

namespace {

class PlayerWindow : public PlayerOption {
    void placeWindow(WindowPlacement& placement) override { placeOnScreen(placement); }
    void windowOpened() override { nameWindowClass(); }
    void layOut(SceneLayout& layout) override
    {
        keepWithinLimits(layout);
        keepProportions(layout);
    }
    bool takeKey(unsigned char key) override { return panelKey(key); }
    bool takeSpecialKey(int key) override { return panelSpecialKey(key); }
    bool holdStep(void (*step)(int), int value) override { return holdWhilePanelShown(step, value); }

    void sceneDrawn() override
    {
        drawHint();
        drawPanels();
    }
};

}  // namespace

PlayerOption& playerWindow(int argc, char** argv)
{
    static PlayerWindow option;
    noteGeometry(argc, argv);
    showStripBand(StripBand::hint, true);
    return option;
}
