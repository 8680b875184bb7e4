// The benchmark's output: everything printed goes to stdout and into a copy
// that is saved to a file at the end.
#pragma once

// Prints formatted text (printf format) and keeps a copy of it.
void Out(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Prints one aligned row of a section: what was measured, the figure, and
// a remark such as the goal (NULL: none).
void OutRow(const char* label, const char* value, const char* remark);

// Prints a baseline's and a subject's median (microseconds), then the
// subject's ratio to the baseline against a goal it should not exceed.
void OutRatioRows(const char* baseLabel, double baseMicros, const char* subjectLabel,
                  double subjectMicros, const char* ratioLabel, double goal);

// Prints a line built in pieces, trailing spaces removed.
void OutLine(char* line);

// Writes the copy kept so far to path; false when that failed.
bool ReportSave(const char* path);
