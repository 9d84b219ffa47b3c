// x11_app.h: the real bowling binary, played with real X events. Each game
// gets a private Xvfb server, so the windows of tests running alongside can
// neither cover its pixels nor take its keys.
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;  // top row first

    const unsigned char* at(int x, int y) const { return &rgb[3 * (y * width + x)]; }
    bool operator==(const Screenshot& other) const { return rgb == other.rgb; }
};

class GameApp {
public:
    // Starts the game in a new scratch folder holding links to the named
    // textures from beside the binary.
    explicit GameApp(const std::vector<std::string>& textures);
    // Ends the game and its X server, removes the scratch folder.
    ~GameApp();
    GameApp(const GameApp&) = delete;
    GameApp& operator=(const GameApp&) = delete;

    // The exit status, or -1 if the game still runs after that long.
    int waitForExit(double seconds);
    // Ends the game if it still runs; everything it wrote to stdout.
    std::string stopAndReadOutput();

    // Waits until the game's window is shown and drawn and gives it the
    // keyboard; false if that takes longer.
    bool waitForWindow(double seconds);
    std::string windowTitle();
    void windowSize(int& width, int& height);

    void pressKey(KeySym key, int times = 1);
    // Left button down at (x, y) in the window, moved to toX in a few
    // motion events, released.
    void drag(int x, int y, int toX);
    Screenshot grab();
    // Grabs until a picture passes the test; false if none does in time.
    bool waitForShot(const std::function<bool(const Screenshot&)>& ready, double seconds, Screenshot& shot);

private:
    pid_t serverPid = -1;
    pid_t gamePid = -1;
    int outputFd = -1;
    std::string folder;
    Display* display = nullptr;
    Window window = 0;
};

void sleepSeconds(double seconds);
