// x11_app.h: a real game binary, played with real X events. Each game gets
// a private Xvfb server: freeglut windows carry no pid, and other test
// programs open "Bowling" windows on the shared display.
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

struct Screenshot {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;  // top row first

    const unsigned char* at(int x, int y) const { return &rgb[3 * (y * width + x)]; }
};

class GameApp {
public:
    // Starts the binary in the folder, on a server of its own.
    GameApp(const std::string& binary, const std::string& folder);
    ~GameApp();

    struct Ended {
        int status;  // -1 if the game had to be ended
        std::string output;  // all it wrote to stdout
    };
    // Waits that long for the game to end by itself, then ends it.
    Ended end(double seconds);

    // Waits until the game's window is shown and drawn: its title and size,
    // as "Bowling 500 x 500", or "" if that takes longer.
    std::string waitForWindow(double seconds);

    void pressKey(KeySym key, int times = 1);
    // Left button down at (x, y) in the window, moved to toX, released.
    void drag(int x, int y, int toX);
    Screenshot grab();
    // Grabs until a picture passes the test; false if none does in time.
    bool waitForShot(const std::function<bool(const Screenshot&)>& ready, double seconds, Screenshot& shot);

private:
    pid_t serverPid = -1;
    pid_t gamePid = -1;
    int outputFd = -1;
    Display* display = nullptr;
    Window window = 0;
};
