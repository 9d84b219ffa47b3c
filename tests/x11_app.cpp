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
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace fs = std::filesystem;

void sleepSeconds(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// Asks done() every 20 ms until it says yes; false if the time runs out first.
static bool pollUntil(double seconds, const std::function<bool()>& done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        sleepSeconds(0.02);
    }
    return true;
}

// Xvfb picks a free display number itself and writes it to the pipe once it
// accepts connections.
static pid_t startServer(std::string& displayName)
{
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);  // no server outlives a test that crashed
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, 1);
        dup2(quiet, 2);
        close(ready[0]);
        const std::string fd = std::to_string(ready[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "640x640x24", "-nolisten", "tcp",
               (char*)nullptr);
        _exit(127);
    }
    close(ready[1]);
    displayName = ":";
    char c;
    while (read(ready[0], &c, 1) == 1 && c != '\n')
        displayName += c;
    close(ready[0]);
    return pid;
}

// A window that vanishes while it is looked at (the game ended) must fail a
// check, not end the test program.
static int ignoreXError(Display*, XErrorEvent*) { return 0; }

GameApp::GameApp(const std::vector<std::string>& textures)
{
    std::string displayName;
    serverPid = startServer(displayName);
    XSetErrorHandler(ignoreXError);
    display = XOpenDisplay(displayName.c_str());

    char scratch[] = "/tmp/bowling-app-XXXXXX";
    int output[2];
    if (!mkdtemp(scratch) || pipe(output) != 0)
        return;
    folder = scratch;
    const fs::path binary = BOWLING_BINARY;
    for (const std::string& name : textures)
        fs::create_symlink(binary.parent_path() / name, fs::path(folder) / name);

    gamePid = fork();
    if (gamePid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        dup2(output[1], 1);
        close(output[0]);
        close(output[1]);
        setenv("DISPLAY", displayName.c_str(), 1);
        if (chdir(scratch) == 0)
            execl(BOWLING_BINARY, "bowling", (char*)nullptr);
        _exit(127);
    }
    close(output[1]);
    outputFd = output[0];
}

GameApp::~GameApp()
{
    stopAndReadOutput();
    if (display)
        XCloseDisplay(display);
    if (serverPid > 0) {
        kill(serverPid, SIGTERM);
        waitpid(serverPid, nullptr, 0);
    }
    if (!folder.empty())
        fs::remove_all(folder);
}

int GameApp::waitForExit(double seconds)
{
    int status = 0;
    if (gamePid <= 0 || !pollUntil(seconds, [&] { return waitpid(gamePid, &status, WNOHANG) == gamePid; }))
        return -1;
    gamePid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string GameApp::stopAndReadOutput()
{
    if (gamePid > 0) {
        kill(gamePid, SIGTERM);
        waitpid(gamePid, nullptr, 0);
        gamePid = -1;
    }
    std::string output;
    char buffer[4096];
    for (ssize_t count; outputFd >= 0 && (count = read(outputFd, buffer, sizeof buffer)) > 0;)
        output.append(buffer, count);
    if (outputFd >= 0)
        close(outputFd);
    outputFd = -1;
    return output;
}

static std::string windowName(Display* display, Window window)
{
    char* name = nullptr;
    std::string text;
    if (XFetchName(display, window, &name) && name) {
        text = name;
        XFree(name);
    }
    return text;
}

bool GameApp::waitForWindow(double seconds)
{
    const auto findWindow = [&] {
        Window root, parent, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
            return false;
        for (unsigned int i = 0; i < count; i++) {
            XWindowAttributes attributes;
            if (windowName(display, children[i]) == "Bowling" &&
                XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable)
                window = children[i];
        }
        XFree(children);
        return window != 0;
    };
    if (!display || !pollUntil(seconds, findWindow))
        return false;
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    Screenshot firstFrame;
    const auto drawn = [](const Screenshot& s) { return std::any_of(s.rgb.begin(), s.rgb.end(), [](int c) { return c; }); };
    return waitForShot(drawn, seconds, firstFrame);
}

std::string GameApp::windowTitle() { return windowName(display, window); }

void GameApp::windowSize(int& width, int& height)
{
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    width = attributes.width;
    height = attributes.height;
}

void GameApp::pressKey(KeySym key, int times)
{
    const KeyCode code = XKeysymToKeycode(display, key);
    for (int i = 0; i < times; i++) {
        XTestFakeKeyEvent(display, code, True, CurrentTime);
        XTestFakeKeyEvent(display, code, False, CurrentTime);
    }
    XSync(display, False);
}

void GameApp::drag(int x, int y, int toX)
{
    int left, top;
    Window child;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &left, &top, &child);
    XTestFakeMotionEvent(display, -1, left + x, top + y, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    for (int step = 1; step <= 4; step++)
        XTestFakeMotionEvent(display, -1, left + x + (toX - x) * step / 4, top + y, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
}

Screenshot GameApp::grab()
{
    Screenshot shot;
    int width, height;
    windowSize(width, height);
    XImage* image = width > 0 ? XGetImage(display, window, 0, 0, width, height, AllPlanes, ZPixmap) : nullptr;
    if (!image)
        return shot;
    shot.width = width;
    shot.height = height;
    shot.rgb.resize(3 * width * height);
    const unsigned long masks[3] = {image->red_mask, image->green_mask, image->blue_mask};
    unsigned char* out = shot.rgb.data();
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            const unsigned long pixel = XGetPixel(image, x, y);
            for (unsigned long mask : masks)
                *out++ = (unsigned char)((pixel & mask) >> __builtin_ctzl(mask));
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
