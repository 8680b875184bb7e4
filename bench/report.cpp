#include "report.h"

#include <fcntl.h>
#include <io.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

// The whole report; it is a few kilobytes.
static char copy[1 << 16];
static size_t used;

// Puts stdout in binary mode once: in text mode the C runtime would turn
// each "\n" into "\r\n", and the reader is a Unix terminal or file.
static void BinaryStdout(void) {
  static bool done;
  if (!done) _setmode(_fileno(stdout), _O_BINARY);
  done = true;
}

void Out(const char* format, ...) {
  BinaryStdout();
  size_t room = sizeof copy - used;
  va_list args;
  va_start(args, format);
  int length = vsnprintf(copy + used, room, format, args);
  va_end(args);
  if (length < 0) return;
  size_t kept = (size_t)length < room ? (size_t)length : room - 1;
  fwrite(copy + used, 1, kept, stdout);
  fflush(stdout);
  used += kept;
}

void OutRow(const char* label, const char* value, const char* remark) {
  if (remark != NULL)
    Out("   %-64s %22s   %s\n", label, value, remark);
  else
    Out("   %-64s %22s\n", label, value);
}

void OutLine(char* line) {
  size_t length = strlen(line);
  while (length > 0 && line[length - 1] == ' ') line[--length] = '\0';
  Out("%s\n", line);
}

bool ReportSave(const char* path) {
  FILE* file = fopen(path, "wb");
  if (file == NULL) return false;
  bool whole = fwrite(copy, 1, used, file) == used;
  return fclose(file) == 0 && whole;
}

void OutRatioRows(const char* baseLabel, double baseMicros, const char* subjectLabel,
                  double subjectMicros, const char* ratioLabel, double goal) {
  char value[32];
  char remark[48];
  snprintf(value, sizeof value, "%.1f us", baseMicros);
  OutRow(baseLabel, value, NULL);
  snprintf(value, sizeof value, "%.1f us", subjectMicros);
  OutRow(subjectLabel, value, NULL);
  double ratio = subjectMicros / baseMicros;
  snprintf(value, sizeof value, "%.3f", ratio);
  snprintf(remark, sizeof remark, "goal <= %g: %s", goal, ratio <= goal ? "met" : "NOT MET");
  OutRow(ratioLabel, value, remark);
}
