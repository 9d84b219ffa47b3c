// swap_at_once.cpp: preloaded into the game, a driver that accepts a swap
// interval and still swaps at once, as Mesa's do with vblank_mode=0. Where
// BOWLING_TEST_DISPLAY_RATE is set it also tells that as the display's rate.
#include <GL/glx.h>
#include <GL/glxext.h>
#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <string>

static void setInterval(Display*, GLXDrawable, int) {}

static Bool displayRate(Display*, GLXDrawable, int32_t* numerator, int32_t* denominator)
{
    *numerator = atoi(getenv("BOWLING_TEST_DISPLAY_RATE"));
    *denominator = 1;
    return True;
}

extern "C" const char* glXQueryExtensionsString(Display* display, int screen)
{
    static std::string extensions;
    const auto real = (const char* (*)(Display*, int))dlsym(RTLD_NEXT, "glXQueryExtensionsString");
    extensions = std::string(real(display, screen)) + " GLX_EXT_swap_control";
    if (getenv("BOWLING_TEST_DISPLAY_RATE"))
        extensions += " GLX_OML_sync_control";
    return extensions.c_str();
}

extern "C" __GLXextFuncPtr glXGetProcAddressARB(const GLubyte* name)
{
    if (strcmp((const char*)name, "glXSwapIntervalEXT") == 0)
        return (__GLXextFuncPtr)setInterval;
    if (strcmp((const char*)name, "glXGetMscRateOML") == 0)
        return (__GLXextFuncPtr)displayRate;
    const auto real = (__GLXextFuncPtr(*)(const GLubyte*))dlsym(RTLD_NEXT, "glXGetProcAddressARB");
    return real(name);
}
