// regular_file.h: opening a file the game reads without ever waiting on it.
#pragma once

#include <cstdio>

// Opens path for reading if it names a regular file. A FIFO, a device or a
// folder in its place gives nullptr with errno 0, and is never waited on;
// any other failure gives nullptr with the error of the open.
FILE* openRegularFile(const char* path);
