// Differential fuzzer of ScanCommand: each input is scanned by the plug-in's
// scan and by a model built from the C library's strtok and strstr; both must
// examine the same tokens, agree on the match and leave the same bytes behind.
#include <stdarg.h>
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "command_scan.h"

static const char kDelimiters[] = "|";
static const char kKeyword[] = "AdjustWindow";
static const size_t kNone = (size_t)-1;

// What one scan did, as offsets from the start of its buffer.
struct Trace {
  size_t* misses;
  size_t missCount;
  size_t capacity;
  size_t match;  // kNone when no token matched
};

// The input being run, kept for the failure report.
static const uint8_t* gInput;
static size_t gInputSize;
// Where RecordMiss records: onMiss gets no context argument.
static const char* gBase;
static size_t gLength;
static Trace* gTrace;

// Prints the input (escaped) and what differed, then stops the run so
// libFuzzer saves the input as a crash artifact.
static void Fail(const char* format, ...) {
  fprintf(stderr, "scan_fuzz: mismatch on input \"");
  for (size_t i = 0; i < gInputSize; ++i) {
    uint8_t c = gInput[i];
    if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') fputc(c, stderr);
    else fprintf(stderr, "\\x%02x", c);
  }
  fprintf(stderr, "\"\nscan_fuzz: ");
  va_list args;
  va_start(args, format);
  vfprintf(stderr, format, args);
  va_end(args);
  fputc('\n', stderr);
  __builtin_trap();
}

#define CHECK(cond, ...)            \
  do {                              \
    if (!(cond)) Fail(__VA_ARGS__); \
  } while (0)

// Offset of a token pointer inside the current buffer, checked to lie in it.
static size_t OffsetOf(const char* token) {
  uintptr_t at = (uintptr_t)token, base = (uintptr_t)gBase;
  CHECK(at >= base && at <= base + gLength, "token pointer outside the buffer");
  return (size_t)(at - base);
}

// Appends one missed token to the current trace.
static void RecordMiss(const char* token) {
  CHECK(gTrace->missCount < gTrace->capacity,
        "more missed tokens than the text can hold (%zu)", gTrace->capacity);
  gTrace->misses[gTrace->missCount++] = OffsetOf(token);
}

// Points the recorder at a buffer and an empty trace.
static void StartTrace(Trace* trace, const char* base, size_t length) {
  trace->missCount = 0;
  trace->match = kNone;
  gBase = base;
  gLength = length;
  gTrace = trace;
}

// The model: strtok's tokens in order, stopping at the first with the keyword.
static void ReferenceScan(char* buffer, size_t length, Trace* trace) {
  StartTrace(trace, buffer, length);
  for (char* token = strtok(buffer, kDelimiters); token != NULL;
       token = strtok(NULL, kDelimiters)) {
    if (strstr(token, kKeyword) != NULL) {
      trace->match = OffsetOf(token);
      return;
    }
    RecordMiss(token);
  }
}

// The code under test, traced through its onMiss callback.
static void PluginScan(char* buffer, size_t length, Trace* trace) {
  StartTrace(trace, buffer, length);
  char* match = ScanCommand(buffer, RecordMiss);
  if (match != NULL) trace->match = OffsetOf(match);
}

// onMiss for the NULL command, which has no token to report.
static void FailOnMiss(const char*) { Fail("a NULL command called onMiss"); }

// A NULL command has no token: NULL back and no callback.
static void CheckNullCommand(void) {
  CHECK(ScanCommand(NULL, FailOnMiss) == NULL, "a NULL command gave a match");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  gInput = data;
  gInputSize = size;
  if (size == 0) CheckNullCommand();

  // The text ends at the input's first zero byte, as any C string would; the
  // copies hold exactly that much plus the terminator so ASan flags any read
  // or write past the end.
  const uint8_t* zero = (const uint8_t*)memchr(data, 0, size);
  size_t length = zero != NULL ? (size_t)(zero - data) : size;
  char* a = (char*)malloc(length + 1);
  char* b = (char*)malloc(length + 1);
  memcpy(a, data, length);
  a[length] = '\0';
  memcpy(b, a, length + 1);

  // Room for one token per byte: enough even for a scan that wrongly reports
  // empty tokens, so such a fault shows as differing tokens, not overflow.
  size_t capacity = length + 1;
  Trace plugin = {(size_t*)malloc(capacity * sizeof(size_t)), 0, capacity, kNone};
  Trace model = {(size_t*)malloc(capacity * sizeof(size_t)), 0, capacity, kNone};
  PluginScan(a, length, &plugin);
  ReferenceScan(b, length, &model);

  size_t common =
      plugin.missCount < model.missCount ? plugin.missCount : model.missCount;
  for (size_t i = 0; i < common; ++i)
    CHECK(plugin.misses[i] == model.misses[i],
          "missed token %zu at offset %zu, strtok has it at %zu", i,
          plugin.misses[i], model.misses[i]);
  CHECK(plugin.missCount == model.missCount,
        "%zu missed tokens, strtok gives %zu", plugin.missCount, model.missCount);
  CHECK(plugin.match == model.match,
        "match at offset %td (-1: none), strtok has %td",
        (ptrdiff_t)plugin.match, (ptrdiff_t)model.match);
  for (size_t i = 0; i <= length; ++i)
    CHECK(a[i] == b[i], "buffer byte %zu is 0x%02x, strtok leaves 0x%02x", i,
          (uint8_t)a[i], (uint8_t)b[i]);

  free(plugin.misses);
  free(model.misses);
  free(a);
  free(b);
  return 0;
}
