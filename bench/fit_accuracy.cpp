// Fit accuracy: each kind of window fitted four ways, each on a fresh window,
// with the client size reached and the moves the window saw.
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include "fit_client_area.h"
#include "host_window.h"
#include "move_recorder.h"
#include "report.h"
#include "sections.h"
#include "single_move_fits.h"
#include "window_kinds.h"

typedef void (*FitFn)(HWND window, int width, int height);

struct Approach {
  const char* label;
  FitFn fit;
};

static const Approach kApproaches[] = {
    {"FitClientArea, this plug-in: two measured moves", FitClientArea},
    {"one move, outer - client + target from one measurement", FitCombinedMove},
    {"AdjustWindowRectEx (style, ex-style, GetMenu != NULL), one move: GLFW, SDL",
     FitAdjustWindowRect},
    {"AdjustWindowRectEx, then WM_NCCALCSIZE at the new width, bottom unbounded; one move",
     FitAdjustAndAskFrame},
};
enum { kApproachCount = sizeof kApproaches / sizeof kApproaches[0] };

struct FitOutcome {
  SIZE client;
  int moves;
  bool exact;
};

// Fits a fresh window of the kind one way, and measures once X has caught up.
static FitOutcome TryFit(const WindowKind* kind, FitFn fit) {
  HWND window = CreateWindowOfKind(kind, MoveRecorderProc);
  HostDrainMessages();
  RecordMoves(true);
  fit(window, kind->targetW, kind->targetH);
  RecordMoves(false);
  FitOutcome outcome;
  outcome.moves = recordedMoveCount;
  HostDrainMessages();
  outcome.client = HostClientSize(window);
  outcome.exact = outcome.client.cx == kind->targetW && outcome.client.cy == kind->targetH;
  DestroyWindow(window);
  return outcome;
}

static FitOutcome outcomes[32][kApproachCount];

static char line[256];

// Appends formatted text to the line being built.
static void Append(const char* format, ...) __attribute__((format(printf, 1, 2)));
static void Append(const char* format, ...) {
  size_t used = strlen(line);
  va_list args;
  va_start(args, format);
  vsnprintf(line + used, sizeof line - used, format, args);
  va_end(args);
}

// Appends a size as "WxH" in a column of width characters.
static void AppendSize(long width, long height, int columns) {
  char size[32];
  snprintf(size, sizeof size, "%ldx%ld", width, height);
  Append("%-*s", columns, size);
}

// Prints the legend and the column headings.
static void PrintHeading(void) {
  Out("\n1. Fit accuracy: client size reached from a fresh window of each kind\n");
  for (int a = 0; a < kApproachCount; ++a) Out("   (%c) %s\n", 'a' + a, kApproaches[a].label);
  line[0] = '\0';
  Append("\n%-27s %-9s", "", "");
  for (int a = 0; a < kApproachCount; ++a) Append("  (%c)%-13s", 'a' + a, "");
  OutLine(line);
  line[0] = '\0';
  Append("%-27s %-9s", "window kind", "target");
  for (int a = 0; a < kApproachCount; ++a) Append("  %-9s %-3s %-3s", "client", "ok", "mv");
  OutLine(line);
}

// Prints one kind's row.
static void PrintRow(const WindowKind* kind, const FitOutcome* row) {
  line[0] = '\0';
  Append("%-27s ", kind->name);
  AppendSize(kind->targetW, kind->targetH, 9);
  for (int a = 0; a < kApproachCount; ++a) {
    Append("  ");
    AppendSize(row[a].client.cx, row[a].client.cy, 9);
    Append(" %-3s %-3d", row[a].exact ? "yes" : "NO", row[a].moves);
  }
  OutLine(line);
}

// Prints how many kinds each approach fitted exactly.
static void PrintTotals(int kinds) {
  line[0] = '\0';
  Append("%-27s %-9s", "exact fits", "");
  for (int a = 0; a < kApproachCount; ++a) {
    int exact = 0;
    for (int k = 0; k < kinds; ++k) exact += outcomes[k][a].exact;
    char total[16];
    snprintf(total, sizeof total, "%d of %d", exact, kinds);
    Append("  %-17s", total);
  }
  OutLine(line);
  Out("   client: client size reached; ok: exactly the target; "
      "mv: moves (WM_WINDOWPOSCHANGING) the window saw\n");
}

void BenchFitAccuracy(void) {
  int kinds = kWindowKindCount < 32 ? kWindowKindCount : 32;
  for (int k = 0; k < kinds; ++k)
    for (int a = 0; a < kApproachCount; ++a)
      outcomes[k][a] = TryFit(&kWindowKinds[k], kApproaches[a].fit);
  PrintHeading();
  for (int k = 0; k < kinds; ++k) PrintRow(&kWindowKinds[k], outcomes[k]);
  PrintTotals(kinds);
}
