// stress.h: what the long randomised tests share. Their length can be cut
// by an environment variable where everything runs slower, as under the
// sanitizers; their random streams start from fixed seeds, printed, so a
// failure plays out again the same way.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

inline int stressCount(const char* variable, int normal)
{
    const char* value = getenv(variable);
    const int count = value ? atoi(value) : normal;
    printf("%s = %d\n", variable, count);
    return count;
}

// The process's resident memory, from /proc/self/statm; -1 if unreadable.
inline long residentKiB()
{
    long size = 0, resident = 0;
    FILE* statm = fopen("/proc/self/statm", "r");
    const bool read = statm && fscanf(statm, "%ld %ld", &size, &resident) == 2;
    if (statm)
        fclose(statm);
    return read ? resident * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}
