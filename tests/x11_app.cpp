#include "x11_app.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

// Asks done() every 20 ms until it says yes; false if the time runs out first.
static bool pollUntil(double seconds, const std::function<bool()>& done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// Runs argv in folder with its stdout and stderr on the given files, in a
// child that dies with this test program: nothing outlives a crashed test.
static pid_t spawn(std::vector<const char*> argv, const char* folder, int out, int err)
{
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        dup2(out, 1);
        dup2(err, 2);
        if (chdir(folder) == 0)
            execvp(argv[0], const_cast<char* const*>(argv.data()));
        _exit(127);
    }
    return pid;
}

GameApp::GameApp(const std::string& binary, const std::string& folder)
{
    // Xvfb writes the free display number it picked to the ready pipe once it
    // accepts connections. The game's output ends only when no child but the
    // game holds that pipe: no other file stays open in a child.
    int ready[2], output[2];
    if (pipe(ready) != 0 || pipe2(output, O_CLOEXEC) != 0)
        return;
    const int quiet = open("/dev/null", O_WRONLY | O_CLOEXEC);
    const std::string readyFd = std::to_string(ready[1]);
    serverPid = spawn({"Xvfb", "-displayfd", readyFd.c_str(), "-screen", "0", "640x640x24"}, "/", quiet, quiet);
    close(ready[1]);
    std::string displayName = ":";
    for (char c; read(ready[0], &c, 1) == 1 && c != '\n';)
        displayName += c;
    close(ready[0]);
    close(quiet);

    // Told of every window mapped from now on: the only one will be the game's.
    display = XOpenDisplay(displayName.c_str());
    if (display)
        XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    setenv("DISPLAY", displayName.c_str(), 1);
    gamePid = spawn({binary.c_str()}, folder.c_str(), output[1], 2);
    close(output[1]);
    outputFd = output[0];
}

GameApp::~GameApp()
{
    end(0);
    close(outputFd);
    if (display)
        XCloseDisplay(display);
    if (serverPid > 0) {
        kill(serverPid, SIGTERM);
        waitpid(serverPid, nullptr, 0);
    }
}

GameApp::Ended GameApp::end(double seconds)
{
    int status = 0;
    const bool exited =
        pollUntil(seconds, [&] { return gamePid < 0 || waitpid(gamePid, &status, WNOHANG) > 0; });
    if (!exited) {
        kill(gamePid, SIGTERM);
        waitpid(gamePid, nullptr, 0);
    }
    gamePid = -1;
    Ended ended = {exited && WIFEXITED(status) ? WEXITSTATUS(status) : -1, ""};
    char buffer[4096];
    for (ssize_t count; (count = read(outputFd, buffer, sizeof buffer)) > 0;)
        ended.output.append(buffer, count);
    return ended;
}

std::string GameApp::waitForWindow(double seconds)
{
    XEvent mapped;
    Screenshot shot;
    const auto drawn = [](auto& s) { return *std::max_element(s.rgb.begin(), s.rgb.end()) > 0; };
    if (!display || !pollUntil(seconds, [&] { return XCheckTypedEvent(display, MapNotify, &mapped); }))
        return "";
    // Drawn once the main loop runs: after the textures have loaded.
    window = mapped.xmap.window;
    if (!waitForShot(drawn, seconds, shot))
        return "";
    char* name = nullptr;
    XFetchName(display, window, &name);
    const std::string title = name ? name : "";
    XFree(name);
    return title + " " + std::to_string(shot.width) + " x " + std::to_string(shot.height);
}

void GameApp::pressKey(KeySym key, int times)
{
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    const KeyCode code = XKeysymToKeycode(display, key);
    for (int i = 0; i < times; i++) {
        XTestFakeKeyEvent(display, code, True, CurrentTime);
        XTestFakeKeyEvent(display, code, False, CurrentTime);
    }
    XSync(display, False);
}

void GameApp::drag(int x, int y, int toX)
{
    XWarpPointer(display, None, window, 0, 0, 0, 0, x, y);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XWarpPointer(display, None, window, 0, 0, 0, 0, toX, y);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
}

// The server runs at depth 24: a pixel reads 0xRRGGBB.
Screenshot GameApp::grab()
{
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    Screenshot shot{attributes.width, attributes.height, {}};
    XImage* image = XGetImage(display, window, 0, 0, shot.width, shot.height, AllPlanes, ZPixmap);
    for (int y = 0; y < shot.height; y++)
        for (int x = 0; x < shot.width; x++) {
            const unsigned long pixel = XGetPixel(image, x, y);
            for (int shift : {16, 8, 0})
                shot.rgb.push_back((unsigned char)(pixel >> shift));
        }
    XDestroyImage(image);
    return shot;
}

bool GameApp::waitForShot(const std::function<bool(const Screenshot&)>& ready, double seconds, Screenshot& shot)
{
    return pollUntil(seconds, [&] {
        shot = grab();
        return ready(shot);
    });
}
