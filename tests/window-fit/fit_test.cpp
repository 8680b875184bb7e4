// FitClientArea on real windows: a table of window kinds, each fitted to a
// target, then checked for the exact client size, the unchanged top-left
// corner, and the two moves as the window procedure saw them.
#include <limits.h>
#include <stdio.h>
#include <windows.h>

#include "fit_client_area.h"
#include "host_window.h"
#include "move_recorder.h"
#include "ok.h"
#include "window_kinds.h"

static int Width(RECT r) { return r.right - r.left; }
static int Height(RECT r) { return r.bottom - r.top; }

// The size a move asks for: computed wide and clamped to 32 bits, as the fit
// must, then held to 0..32767 as the platform does before it tells the
// window. A 32-bit overflow would wrap a huge request below zero, to 0.
static int Requested(long long extent) {
  int clamped = extent > INT_MAX ? INT_MAX : extent < INT_MIN ? INT_MIN : (int)extent;
  return clamped < 0 ? 0 : clamped > 32767 ? 32767 : clamped;
}

// The two moves as the fit must make them: each at the window's top-left,
// each sized from the rectangles measured just before it.
static void CheckMoves(RECT start, int targetW, int targetH) {
  ok(recordedMoveCount == 2, "%d moves, expected 2", recordedMoveCount);
  if (recordedMoveCount < 2) return;
  const RecordedMove* w = &recordedMoves[0];
  const RecordedMove* h = &recordedMoves[1];
  for (int i = 0; i < 2; ++i)
    ok(recordedMoves[i].x == start.left && recordedMoves[i].y == start.top,
       "move %d to (%d,%d), expected (%ld,%ld)", i + 1, recordedMoves[i].x, recordedMoves[i].y,
       start.left, start.top);

  int widthCx = Requested((long long)Width(w->windowBefore) - w->clientBefore.right + targetW);
  ok((w->flags & SWP_NOREDRAW) != 0, "width move flags %#x lack SWP_NOREDRAW", w->flags);
  ok(w->cx == widthCx && w->cy == Height(w->windowBefore),
     "width move %dx%d, expected %dx%d (outer %dx%d, client %ldx%ld)", w->cx, w->cy, widthCx,
     Height(w->windowBefore), Width(w->windowBefore), Height(w->windowBefore),
     w->clientBefore.right, w->clientBefore.bottom);

  int heightCy = Requested((long long)Height(h->windowBefore) - h->clientBefore.bottom + targetH);
  ok((h->flags & SWP_NOREDRAW) == 0, "height move flags %#x have SWP_NOREDRAW", h->flags);
  ok(h->cx == Width(h->windowBefore) && h->cy == heightCy,
     "height move %dx%d, expected %dx%d (outer %dx%d, client %ldx%ld)", h->cx, h->cy,
     Width(h->windowBefore), heightCy, Width(h->windowBefore), Height(h->windowBefore),
     h->clientBefore.right, h->clientBefore.bottom);
}

// Fits window to the target while recording its moves; returns the outer
// rectangle it had before.
static RECT FitRecorded(HWND window, int targetW, int targetH) {
  HostDrainMessages();
  RECT start = HostWindowRect(window);
  RecordMoves(true);
  FitClientArea(window, targetW, targetH);
  RecordMoves(false);
  HostDrainMessages();
  return start;
}

static void TestKinds(void) {
  for (int i = 0; i < kWindowKindCount; ++i) {
    const WindowKind& kind = kWindowKinds[i];
    OkContext("%s", kind.name);
    HWND window = CreateWindowOfKind(&kind, MoveRecorderProc);
    RECT startWindow = HostWindowRect(window);
    SIZE startClient = HostClientSize(window);
    FitRecorded(window, kind.targetW, kind.targetH);
    RECT end = HostWindowRect(window);
    SIZE client = HostClientSize(window);
    printf("%-26s client %4ldx%-4ld -> %4ldx%-4ld (target %dx%d), window %dx%d -> %dx%d\n",
           kind.name, startClient.cx, startClient.cy, client.cx, client.cy, kind.targetW,
           kind.targetH, Width(startWindow), Height(startWindow), Width(end), Height(end));

    ok(client.cx == kind.targetW && client.cy == kind.targetH, "client %ldx%ld, expected %dx%d",
       client.cx, client.cy, kind.targetW, kind.targetH);
    ok(end.left == startWindow.left && end.top == startWindow.top,
       "top-left (%ld,%ld), expected (%ld,%ld)", end.left, end.top, startWindow.left,
       startWindow.top);
    CheckMoves(startWindow, kind.targetW, kind.targetH);
    // The fixture itself: these kinds must really change menu rows.
    int startFrame = Height(startWindow) - startClient.cy;
    int endFrame = Height(end) - client.cy;
    ok((startFrame != endFrame) == kind.menuRewraps, "frame height %d -> %d; menu rewraps: %d",
       startFrame, endFrame, kind.menuRewraps);
    DestroyWindow(window);
  }
  OkClearContext();
}

// A target equal to the current client size still makes both moves.
static void TestSameSize(void) {
  OkContext("same size");
  HWND window = CreateWindowOfKind(&kWindowKinds[1], MoveRecorderProc);
  SIZE client = HostClientSize(window);
  RECT start = FitRecorded(window, client.cx, client.cy);
  CheckMoves(start, client.cx, client.cy);
  RECT end = HostWindowRect(window);
  ok(EqualRect(&start, &end), "window moved from (%ld,%ld,%ld,%ld) to (%ld,%ld,%ld,%ld)",
     start.left, start.top, start.right, start.bottom, end.left, end.top, end.right, end.bottom);
  DestroyWindow(window);
  OkClearContext();
}

// Targets the platform will not honour: the computed moves are issued,
// clamped to 32 bits, and whatever size results is accepted.
static void TestUnhonouredTargets(void) {
  static const struct {
    const char* name;
    int w, h;
  } kTargets[] = {
      {"zero", 0, 0},
      {"negative", -50, -80},
      {"larger than the screen", 5000, 4000},
      {"largest int", INT_MAX, INT_MAX},
      {"smallest int", INT_MIN, INT_MIN},
  };
  for (const auto& target : kTargets) {
    OkContext("target %s (%dx%d)", target.name, target.w, target.h);
    HWND window = CreateWindowOfKind(&kWindowKinds[0], MoveRecorderProc);
    RECT start = FitRecorded(window, target.w, target.h);
    CheckMoves(start, target.w, target.h);
    SIZE client = HostClientSize(window);
    printf("target %-24s -> client %ldx%ld\n", target.name, client.cx, client.cy);
    DestroyWindow(window);
  }
  OkClearContext();
}

// A destroyed window's handle: the moves go nowhere, and nothing crashes.
static void TestDestroyedWindow(void) {
  HWND window = CreateWindowOfKind(&kWindowKinds[0], MoveRecorderProc);
  DestroyWindow(window);
  RecordMoves(true);
  FitClientArea(window, 640, 480);
  RecordMoves(false);
  ok(recordedMoveCount == 0, "destroyed window saw %d moves", recordedMoveCount);
  ok(!IsWindow(window), "destroyed window came back");
}

int main(void) {
  TestKinds();
  TestSameSize();
  TestUnhonouredTargets();
  TestDestroyedWindow();
  return OkFinish("fit_test");
}
