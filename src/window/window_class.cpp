// window_class.cpp: freeglut gives its windows no WM_CLASS, so a dock can
// neither show the game's icon nor group the window with its desktop entry
// (StartupWMClass=Bowling). It is set with Xlib on the current window.
#include <GL/glx.h>
#include <X11/Xutil.h>

#include "window/window_parts.h"

void nameWindowClass()
{
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable window = glXGetCurrentDrawable();
    if (!display || !window)
        return;
    char name[] = "bowling";
    char windowClass[] = "Bowling";
    XClassHint hint = {name, windowClass};
    XSetClassHint(display, window, &hint);
    XFlush(display);
}
