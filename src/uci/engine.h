// Engine control: start-up, the command dispatcher and shutdown.
#pragma once
#include <string>

extern bool QuitRequested;  // "quit" received
extern bool InputEnded;     // standard input closed

// Sets up the start position.
void InitEngine();
// Executes one command line.
void ExecuteCommand(const std::string& line);
// Frees what the engine holds; the tablebases last.
void Shutdown();
