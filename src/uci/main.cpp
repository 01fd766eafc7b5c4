#include <string>
#include "uci/engine.h"
#include "uci/input.h"

int main() {
  InitEngine();
  std::string line;
  while (!QuitRequested && !InputEnded) {
    switch (ReadInputLine(line, IdleWaitMs)) {
      case InputStatus::Line: ExecuteCommand(line); break;
      case InputStatus::None: break;
      case InputStatus::End: InputEnded = true; break;
    }
  }
  Shutdown();
  return QuitRequested ? 0 : 255;
}
