// window_option.cpp: the player's window as an option: each moment handed
// to the part of src/window/ that deals with it.
#include "overlay/overlay.h"
#include "window/window.h"
#include "window/window_parts.h"

static bool realBalls = false;

bool keysAct(KeysOf game) { return game != KeysOf::realBalls || realBalls; }

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

    void drawLayer(Layer layer, const Turn&) override
    {
        if (layer == Layer::lane)
            drawAimLine();
        else if (layer == Layer::meter)
            drawMeterCaption();
        else if (layer == Layer::strip)
            drawHint();
        else if (layer == Layer::panel)
            drawPanels();
    }
};

}  // namespace

PlayerOption& playerWindow(int argc, char** argv, bool withRealBalls)
{
    static PlayerWindow option;
    realBalls = withRealBalls;
    noteGeometry(argc, argv);
    showStripBand(StripBand::hint, true);
    return option;
}
