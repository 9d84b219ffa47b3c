// stress.h: what the long randomised tests share. Their length can be cut
// by an environment variable where everything runs slower, as under the
// sanitizers; their random streams start from fixed seeds, printed, so a
// failure plays out again the same way.
#pragma once

#include <cstdio>
#include <cstdlib>

inline int stressCount(const char* variable, int normal)
{
    const char* value = getenv(variable);
    const int count = value ? atoi(value) : normal;
    printf("%s = %d\n", variable, count);
    return count;
}
