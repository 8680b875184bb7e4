// VorqPlugInMain through the shipped DLL, called by a host that exports all
// its services: a table of commands checked byte for byte, null pointers,
// a host's own strtok loop, two threads at once, a 1 MiB command, and the
// module hooks around and between commands.
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "entry_harness.h"
#include "host_services.h"
#include "host_window.h"
#include "ok.h"

static PluginModule plugin;
static const int kTargetW = 500, kTargetH = 350;

// A string literal with the bytes it has, its terminator included.
#define BYTES(literal) literal, sizeof(literal)

struct CommandCase {
  const char* name;
  const char* command;
  size_t commandSize;
  const char* after;  // the command buffer's bytes after the call
  size_t afterSize;
  int status;
  int sleeps;
};

static const CommandCase kCommands[] = {
    {"empty", BYTES(""), BYTES(""), 0, 0},
    {"only delimiters", BYTES("|||"), BYTES("|||"), 0, 0},
    {"keyword alone", BYTES("AdjustWindow"), BYTES("AdjustWindow"), 1, 0},
    {"keyword last", BYTES("a|b|AdjustWindow"), BYTES("a\0b\0AdjustWindow"), 1, 2},
    {"keyword first", BYTES("AdjustWindow|x"), BYTES("AdjustWindow\0x"), 1, 0},
    {"fade then keyword", BYTES("fade|AdjustWindow"), BYTES("fade\0AdjustWindow"), 1, 1},
    {"text on both sides", BYTES("xAdjustWindowy"), BYTES("xAdjustWindowy"), 1, 0},
    {"spaces on both sides", BYTES(" AdjustWindow "), BYTES(" AdjustWindow "), 1, 0},
    {"lower case", BYTES("adjustwindow"), BYTES("adjustwindow"), 0, 1},
    {"split by a delimiter", BYTES("Adjust|Window"), BYTES("Adjust\0Window"), 0, 2},
    {"cut one letter short", BYTES("AdjustWindo|w"), BYTES("AdjustWindo\0w"), 0, 2},
    {"delimiters around", BYTES("||AdjustWindow||"), BYTES("||AdjustWindow\0|"), 1, 0},
    {"keyword twice", BYTES("AdjustWindow|AdjustWindow"), BYTES("AdjustWindow\0AdjustWindow"), 1, 0},
    {"rest left alone", BYTES("a|AdjustWindow|b|c"), BYTES("a\0AdjustWindow\0b|c"), 1, 1},
    {"no keyword", BYTES("fade|wait|"), BYTES("fade\0wait\0"), 0, 2},
};

struct CallResult {
  int returned;
  int status;
  char reply;
  LONG asked;
  LONG sleeps;
};

// One call as a host makes it, with status and reply pre-filled so that
// writes show; the window is reset first.
static CallResult Call(char* command, int* status, char* reply) {
  HWND window = HarnessWindow();
  ResetWindow(window);
  HostSizeRecord* size = HostReportSize(kTargetW, kTargetH);
  LONG sleepsBefore = sleepCalls;
  if (status) *status = 7;
  if (reply) *reply = 'X';
  CallResult result;
  result.returned = plugin.main((void*)0x1234, window, command, status, reply);
  HostDrainMessages();
  result.status = status ? *status : -1;
  result.reply = reply ? *reply : 0;
  result.asked = size->asked;
  result.sleeps = sleepCalls - sleepsBefore;
  return result;
}

// Whether the last call fitted the window, or left it as reset.
static void CheckWindow(bool fitted) {
  HWND window = HarnessWindow();
  SIZE client = HostClientSize(window);
  RECT rect = HostWindowRect(window);
  if (fitted)
    ok(client.cx == kTargetW && client.cy == kTargetH, "client %ldx%ld, expected %dx%d",
       client.cx, client.cy, kTargetW, kTargetH);
  else
    ok(rect.right - rect.left == 400 && rect.bottom - rect.top == 300,
       "window %ldx%ld, expected it untouched at 400x300", rect.right - rect.left,
       rect.bottom - rect.top);
  ok(rect.left == 40 && rect.top == 30, "top-left (%ld,%ld), expected (40,30)", rect.left,
     rect.top);
}

static void CheckCall(CallResult got, int status, int sleeps) {
  ok(got.returned == 0, "returned %d, expected 0", got.returned);
  ok(got.status == status, "status %d, expected %d", got.status, status);
  ok(got.reply == '\0', "reply starts with %#x, expected 0", (unsigned char)got.reply);
  ok(got.asked == 1, "size asked %ld times, expected 1", got.asked);
  ok(got.sleeps == sleeps, "%ld sleeps, expected %d", got.sleeps, sleeps);
}

// Prints a buffer with its zero bytes shown as \0.
static const char* Shown(const char* bytes, size_t size) {
  static char text[4][256];
  static int next;
  char* out = text[next++ % 4];
  size_t used = 0;
  for (size_t i = 0; i < size && used + 3 < sizeof text[0]; ++i) {
    if (bytes[i] == '\0') {
      out[used++] = '\\';
      out[used++] = '0';
    } else {
      out[used++] = bytes[i];
    }
  }
  out[used] = '\0';
  return out;
}

static void TestCommandTable(void) {
  for (const CommandCase& c : kCommands) {
    OkContext("command \"%s\" (%s)", c.command, c.name);
    char buffer[64];
    memset(buffer, '#', sizeof buffer);  // guard bytes past the text
    memcpy(buffer, c.command, c.commandSize);
    int status;
    char reply[4];
    CheckCall(Call(buffer, &status, reply), c.status, c.sleeps);
    ok(memcmp(buffer, c.after, c.afterSize) == 0, "command bytes \"%s\", expected \"%s\"",
       Shown(buffer, c.afterSize), Shown(c.after, c.afterSize));
    ok(buffer[c.commandSize] == '#', "byte past the command overwritten with %#x",
       (unsigned char)buffer[c.commandSize]);
    CheckWindow(c.status == 1);
  }
  OkClearContext();
}

static void TestNullPointers(void) {
  int status;
  char reply[4];
  OkContext("null command");
  CheckCall(Call(NULL, &status, reply), 0, 0);
  CheckWindow(false);

  OkContext("null status");
  char command[] = "fade|AdjustWindow";
  CallResult got = Call(command, NULL, reply);
  ok(got.returned == 0 && got.reply == '\0' && got.asked == 1 && got.sleeps == 1,
     "returned %d, reply %#x, asked %ld, sleeps %ld", got.returned, got.reply, got.asked,
     got.sleeps);
  CheckWindow(true);

  OkContext("null reply");
  char again[] = "fade|AdjustWindow";
  got = Call(again, &status, NULL);
  ok(got.returned == 0 && got.status == 1 && got.asked == 1 && got.sleeps == 1,
     "returned %d, status %d, asked %ld, sleeps %ld", got.returned, got.status, got.asked,
     got.sleeps);
  CheckWindow(true);
  OkClearContext();
}

// A host walking its own command with strtok, calling the plug-in between
// its tokens, must keep getting its own tokens.
static void TestHostStrtokLoop(void) {
  OkContext("host strtok loop");
  static const char* const kExpected[] = {"one", "two", "three"};
  char hostText[] = "one|two||three";
  int seen = 0;
  for (char* token = strtok(hostText, "|"); token != NULL; token = strtok(NULL, "|")) {
    ok(seen < 3 && strcmp(token, kExpected[seen]) == 0, "host token %d is \"%s\", expected \"%s\"",
       seen, token, seen < 3 ? kExpected[seen] : "(none)");
    ++seen;
    char command[] = "x|y|AdjustWindow|z";
    int status;
    char reply[4];
    CheckCall(Call(command, &status, reply), 1, 2);
  }
  ok(seen == 3, "host saw %d tokens, expected 3", seen);
  OkClearContext();
}

struct ThreadCall {
  HWND window;
  char command[32];
  int width, height;
  int status;
  LONG asked;
};

// Worker: one plug-in call with its own reported size.
static DWORD WINAPI CallOnThread(void* data) {
  ThreadCall* call = (ThreadCall*)data;
  HostSizeRecord record = {call->width, call->height, 0};
  HostUseSizeRecord(&record);
  char reply[4];
  plugin.main(NULL, call->window, call->command, &call->status, reply);
  call->asked = record.asked;
  return 0;
}

// Two threads call at once with their own commands, sizes and windows,
// while the windows' owner keeps pumping (the moves are sent to it).
static void TestTwoThreads(void) {
  HWND windows[2] = {HostCreateWindow(WS_OVERLAPPEDWINDOW, 0, NULL, 60, 60, 300, 200, NULL),
                     HostCreateWindow(WS_OVERLAPPEDWINDOW, 0, NULL, 500, 80, 300, 200, NULL)};
  for (int round = 0; round < 4; ++round) {
    OkContext("two threads, round %d", round);
    ThreadCall calls[2] = {{windows[0], "p|q|AdjustWindow", 480 + round, 360, 7, 0},
                           {windows[1], "AdjustWindow|r", 520, 300 - round, 7, 0}};
    LONG sleepsBefore = sleepCalls;
    HANDLE threads[2];
    for (int i = 0; i < 2; ++i) threads[i] = CreateThread(NULL, 0, CallOnThread, &calls[i], 0, NULL);
    DWORD start = GetTickCount();
    while (WaitForMultipleObjects(2, threads, TRUE, 0) == WAIT_TIMEOUT &&
           GetTickCount() - start < 10000) {
      MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
      HostDrainMessages();
    }
    ok(WaitForMultipleObjects(2, threads, TRUE, 0) == WAIT_OBJECT_0, "threads still running");
    for (int i = 0; i < 2; ++i) CloseHandle(threads[i]);
    HostDrainMessages();
    for (int i = 0; i < 2; ++i) {
      SIZE client = HostClientSize(windows[i]);
      ok(calls[i].status == 1 && calls[i].asked == 1, "thread %d: status %d, asked %ld", i,
         calls[i].status, calls[i].asked);
      ok(client.cx == calls[i].width && client.cy == calls[i].height,
         "thread %d: client %ldx%ld, expected %dx%d", i, client.cx, client.cy, calls[i].width,
         calls[i].height);
    }
    ok(sleepCalls - sleepsBefore == 2, "%ld sleeps, expected 2", sleepCalls - sleepsBefore);
  }
  for (HWND window : windows) DestroyWindow(window);
  OkClearContext();
}

// A 1 MiB command with the keyword first: one fit, no sleep, and nothing
// touched after the delimiter that ended the keyword.
static void TestHugeCommand(void) {
  OkContext("1 MiB command");
  const size_t size = 1 << 20;
  char* command = (char*)malloc(size);
  char* copy = (char*)malloc(size);
  for (size_t i = 0; i < size; ++i) command[i] = i % 16 == 15 ? '|' : 'a' + i % 16;
  memcpy(command, "AdjustWindow|", 13);
  command[size - 1] = '\0';
  memcpy(copy, command, size);
  int status;
  char reply[4];
  CheckCall(Call(command, &status, reply), 1, 0);
  ok(command[12] == '\0', "delimiter after the keyword is %#x, expected 0", command[12]);
  ok(memcmp(command + 13, copy + 13, size - 13) == 0, "text after the keyword changed");
  CheckWindow(true);
  free(command);
  free(copy);
  OkClearContext();
}

// Initialize and Finalize change nothing, in any order, any number of times.
static void TestModuleHooks(void) {
  static const char kOrder[] = "FIIFFIFI";
  for (int i = 0; kOrder[i] != '\0'; ++i) {
    OkContext("after hook %d (%c)", i, kOrder[i]);
    (kOrder[i] == 'I' ? plugin.initialize : plugin.finalize)();
    char command[] = "fade|AdjustWindow";
    int status;
    char reply[4];
    CheckCall(Call(command, &status, reply), 1, 1);
    CheckWindow(true);
  }
  OkClearContext();
}

int main(void) {
  plugin = LoadCountedPlugin();
  if (plugin.main == NULL) return OkFinish("entry_test");
  TestCommandTable();
  TestNullPointers();
  TestHostStrtokLoop();
  TestTwoThreads();
  TestHugeCommand();
  TestModuleHooks();
  ok(otherSleeps == 0, "%ld sleeps were not Sleep(1)", otherSleeps);
  return OkFinish("entry_test");
}
