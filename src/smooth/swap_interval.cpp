// swap_interval.cpp: swap interval 1 through whichever GLX extension the
// driver offers. Its functions may be found even where the extension is not
// offered, and calling them there can crash, so the list decides.
#include "smooth/swap_interval.h"

#include <GL/glx.h>

#include <cstring>

static bool offers(const char* extensions, const char* name)
{
    const size_t length = strlen(name);
    for (const char* found = strstr(extensions, name); found; found = strstr(found + length, name))
        if ((found == extensions || found[-1] == ' ') && (found[length] == ' ' || found[length] == '\0'))
            return true;
    return false;
}

bool swapInStepWithDisplay()
{
    Display* display = glXGetCurrentDisplay();
    const char* extensions = display ? glXQueryExtensionsString(display, DefaultScreen(display)) : nullptr;
    if (!extensions)
        return false;
    if (offers(extensions, "GLX_EXT_swap_control")) {
        const auto setInterval = (PFNGLXSWAPINTERVALEXTPROC)glXGetProcAddressARB((const GLubyte*)"glXSwapIntervalEXT");
        setInterval(display, glXGetCurrentDrawable(), 1);
        return true;
    }
    if (offers(extensions, "GLX_MESA_swap_control")) {
        const auto setInterval = (PFNGLXSWAPINTERVALMESAPROC)glXGetProcAddressARB((const GLubyte*)"glXSwapIntervalMESA");
        return setInterval(1) == 0;
    }
    return false;
}
