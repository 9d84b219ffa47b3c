// full_screen.cpp: F11. A window manager that keeps the full-screen state
// of the desktop's conventions does it as freeglut asks. Without one,
// freeglut moves the window off the screen by as far as it stood from the
// corner, and never back; the window is then laid over the screen here, and
// put back where it was.
#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xatom.h>

#include "window/window_parts.h"

// True when the window manager lists _NET_WM_STATE_FULLSCREEN among the
// states it keeps.
static bool managerKeepsFullScreen()
{
    Display* display = glXGetCurrentDisplay();
    if (!display)
        return false;
    const Atom supported = XInternAtom(display, "_NET_SUPPORTED", False);
    const Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    Atom type;
    int format;
    unsigned long count = 0, after;
    unsigned char* atoms = nullptr;
    bool listed = false;
    if (XGetWindowProperty(display, DefaultRootWindow(display), supported, 0, 4096, False, XA_ATOM, &type, &format,
                           &count, &after, &atoms) == Success && atoms && format == 32)
        for (unsigned long i = 0; i < count; i++)
            listed = listed || ((Atom*)atoms)[i] == fullScreen;
    if (atoms)
        XFree(atoms);
    return listed;
}

static bool coveringScreen = false;
static int beforeX, beforeY, beforeWidth, beforeHeight;

void toggleFullScreen()
{
    if (managerKeepsFullScreen()) {
        glutFullScreenToggle();
        return;
    }
    if (!coveringScreen) {
        beforeX = glutGet(GLUT_WINDOW_X);
        beforeY = glutGet(GLUT_WINDOW_Y);
        beforeWidth = glutGet(GLUT_WINDOW_WIDTH);
        beforeHeight = glutGet(GLUT_WINDOW_HEIGHT);
        glutPositionWindow(0, 0);
        glutReshapeWindow(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    } else {
        glutPositionWindow(beforeX, beforeY);
        glutReshapeWindow(beforeWidth, beforeHeight);
    }
    coveringScreen = !coveringScreen;
}
