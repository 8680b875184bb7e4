#include "plugin_exports.h"

#include "command_scan.h"
#include "fit_client_area.h"
#include "host_service_table.h"

// The reply every call gives: empty from load to unload.
static const char kReplyText[] = "";

// Hands the thread's time back to the system after a token that does not
// ask for a fit.
static void SleepAfterToken(const char* token) {
  (void)token;
  Sleep(1);
}

// Copies the reply text, terminator included.
static void WriteReply(char* reply) {
  const char* from = kReplyText;
  do *reply++ = *from;
  while (*from++ != '\0');
}

void CLIENTFIT_CALL Initialize(void) {}

void CLIENTFIT_CALL Finalize(void) {}

int CLIENTFIT_CALL VorqPlugInMain(void* context, HWND window, char* command, int* status,
                                  char* reply) {
  (void)context;
  // A host that does not export the size service leaves nothing to fit to:
  // answer without touching the command or the window.
  VorqGetWindowSizeFn getWindowSize =
      (VorqGetWindowSizeFn)(void*)HostServiceTable[kVorqGetWindowSize];
  int width = 0;
  int height = 0;
  if (getWindowSize != NULL) getWindowSize(&width, &height);

  if (reply != NULL) WriteReply(reply);
  if (status != NULL) *status = 0;
  if (getWindowSize == NULL) return 0;

  if (ScanCommand(command, SleepAfterToken) != NULL) {
    FitClientArea(window, width, height);
    if (status != NULL) *status = 1;
  }
  return 0;
}
