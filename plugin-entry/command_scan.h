// The scan of a host command: "|"-separated tokens, looked through for one
// that asks for a fit. Portable code, free of any platform header.
#pragma once

// Called with each token examined that does not ask for a fit.
typedef void (*MissedTokenFn)(const char* token);

// Returns the first token containing "AdjustWindow", or NULL when none does
// (a NULL command has none). Tokens are cut as strtok(command, "|") cuts
// them: leading delimiters skipped, the delimiter ending a token overwritten
// with a zero byte, nothing written past the matching token. The position
// lives in this call only, so the caller's own strtok loop is left alone.
char* ScanCommand(char* command, MissedTokenFn onMiss);
