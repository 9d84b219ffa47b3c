// swap_at_once.cpp: preloaded, a driver that takes a swap interval and still swaps at
// once (Mesa's with vblank_mode=0), telling BOWLING_TEST_DISPLAY_RATE as the display's.
#include <GL/glx.h>
#include <dlfcn.h>

#include <cstdlib>
#include <string>

static void setInterval(Display*, GLXDrawable, int) {}
static Bool displayRate(Display*, GLXDrawable, int32_t* numerator, int32_t* denominator)
{
    return *denominator = 1, *numerator = atoi(getenv("BOWLING_TEST_DISPLAY_RATE")), True;
}

extern "C" const char* glXQueryExtensionsString(Display* display, int screen)
{
    static std::string extensions;
    const auto real = (const char* (*)(Display*, int))dlsym(RTLD_NEXT, "glXQueryExtensionsString");
    extensions = std::string(real(display, screen)) + " GLX_EXT_swap_control GLX_OML_sync_control";
    return extensions.c_str();
}

extern "C" __GLXextFuncPtr glXGetProcAddressARB(const GLubyte* name)
{
    const std::string wanted = (const char*)name;
    if (wanted == "glXSwapIntervalEXT" || wanted == "glXGetMscRateOML")
        return wanted == "glXSwapIntervalEXT" ? (__GLXextFuncPtr)setInterval : (__GLXextFuncPtr)displayRate;
    return ((__GLXextFuncPtr(*)(const GLubyte*))dlsym(RTLD_NEXT, "glXGetProcAddressARB"))(name);
}
