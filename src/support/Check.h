#pragma once
// Checks that stay active in the shipped program. A failed check raises
// EAssertionFailed with "message (file, line N)", the file without its folder.
#include "support/ZqSysUtils.h"

// The site is where the check stands in this source file.
#define ZQ_ASSERT(cond, message)                                          \
    do {                                                                  \
        if (!(cond)) ::vok::AssertionFailedHandler((message), __FILE__, __LINE__); \
    } while (0)

// The site is named: a unit's file name and line that the program's messages
// have always quoted, whatever file the check has moved to since.
#define ZQ_ASSERT_AT(cond, message, unitFile, line)                       \
    do {                                                                  \
        if (!(cond)) ::vok::AssertionFailedHandler((message), (unitFile), (line)); \
    } while (0)
