// swap_interval.cpp: swap interval 1 and the display's rate through whichever
// GLX extensions the driver offers. Their functions may be found even where
// the extension is not offered, and calling them there can crash, so the
// list decides.
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

static bool driverOffers(Display* display, const char* name)
{
    const char* extensions = display ? glXQueryExtensionsString(display, DefaultScreen(display)) : nullptr;
    return extensions && offers(extensions, name);
}

static __GLXextFuncPtr function(const char* name)
{
    return glXGetProcAddressARB((const GLubyte*)name);
}

bool swapInStepWithDisplay()
{
    Display* display = glXGetCurrentDisplay();
    if (driverOffers(display, "GLX_EXT_swap_control")) {
        ((PFNGLXSWAPINTERVALEXTPROC)function("glXSwapIntervalEXT"))(display, glXGetCurrentDrawable(), 1);
        return true;
    }
    if (driverOffers(display, "GLX_MESA_swap_control"))
        return ((PFNGLXSWAPINTERVALMESAPROC)function("glXSwapIntervalMESA"))(1) == 0;
    return false;
}

double displayRefreshRate()
{
    Display* display = glXGetCurrentDisplay();
    int32_t numerator = 0, denominator = 0;
    if (!driverOffers(display, "GLX_OML_sync_control") ||
        !((PFNGLXGETMSCRATEOMLPROC)function("glXGetMscRateOML"))(display, glXGetCurrentDrawable(), &numerator, &denominator) ||
        numerator <= 0 || denominator <= 0)
        return 0;
    return (double)numerator / denominator;
}
