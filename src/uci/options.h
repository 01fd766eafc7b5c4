// UCI options: the values read by other subsystems and the table behind "uci" and "setoption".
#pragma once

constexpr int NalimovPathSize = 4096;
extern char NalimovPath[NalimovPathSize];  // tablebase directories
extern int NalimovCache;                   // tablebase cache in megabytes, 1..256
extern int NalimovReinitPending;           // set when either changed; acted on at "isready"

// Prints one "option" line per option.
void PrintOptions();
// Sets an option by name (case ignored) from its value text; unknown names and bad values
// are reported as "info string" lines.
void SetOption(const char* name, const char* value);
