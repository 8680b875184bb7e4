// Checks in the manner of Wine's conformance tests: ok() reports the
// caller's file and line with the current context label, and a test
// program's exit code is its failure count.
#pragma once

#define ok(condition, ...) OkAt(__FILE__, __LINE__, (condition) ? 1 : 0, __VA_ARGS__)

// Records one check; prints the message (printf format) when it fails.
int OkAt(const char* file, int line, int condition, const char* format, ...)
    __attribute__((format(printf, 4, 5)));

// Labels the checks that follow, e.g. with the table row under test.
void OkContext(const char* format, ...) __attribute__((format(printf, 1, 2)));
void OkClearContext(void);

// Prints the totals and returns the failure count, the program's exit code.
int OkFinish(const char* program);
