#include "command_scan.h"

static const char kDelimiter = '|';
static const char kKeyword[] = "AdjustWindow";

// Cuts the token at *cursor and moves the cursor past it; NULL at the end.
static char* NextToken(char** cursor) {
  char* at = *cursor;
  while (*at == kDelimiter) ++at;
  if (*at == '\0') {
    *cursor = at;
    return nullptr;
  }
  char* token = at;
  while (*at != '\0' && *at != kDelimiter) ++at;
  if (*at == kDelimiter) *at++ = '\0';
  *cursor = at;
  return token;
}

// True when text starts with the keyword.
static bool StartsWithKeyword(const char* text) {
  for (const char* k = kKeyword; *k != '\0'; ++k, ++text)
    if (*text != *k) return false;
  return true;
}

// True when the keyword occurs anywhere in the token, case as written.
static bool ContainsKeyword(const char* token) {
  for (; *token != '\0'; ++token)
    if (StartsWithKeyword(token)) return true;
  return false;
}

char* ScanCommand(char* command, MissedTokenFn onMiss) {
  if (command == nullptr) return nullptr;
  char* cursor = command;
  for (char* token = NextToken(&cursor); token != nullptr; token = NextToken(&cursor)) {
    if (ContainsKeyword(token)) return token;
    onMiss(token);
  }
  return nullptr;
}
