#include "ok.h"

#include <stdarg.h>
#include <stdio.h>

static int checks;
static int failures;
static char context[256];

int OkAt(const char* file, int line, int condition, const char* format, ...) {
  ++checks;
  if (condition) return 1;
  ++failures;
  printf("%s:%d: Test failed: %s%s", file, line, context, context[0] ? ": " : "");
  va_list args;
  va_start(args, format);
  vprintf(format, args);
  va_end(args);
  printf("\n");
  fflush(stdout);
  return 0;
}

void OkContext(const char* format, ...) {
  va_list args;
  va_start(args, format);
  vsnprintf(context, sizeof context, format, args);
  va_end(args);
}

void OkClearContext(void) { context[0] = '\0'; }

int OkFinish(const char* program) {
  printf("%s: %d checks, %d failures\n", program, checks, failures);
  // Wine hands the exit code to Unix as 8 bits: 256 failures must not read as 0.
  return failures < 255 ? failures : 255;
}
