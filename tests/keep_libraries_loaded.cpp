// keep_libraries_loaded.cpp: preloaded into the sanitizer runs, it turns
// dlclose into a no-op. Mesa unloads its driver when the window closes, and
// LeakSanitizer's report at exit could then name no library for the driver's
// own allocations, so lsan.supp could not tell them from ours.
extern "C" int dlclose(void*)
{
    return 0;
}
