#include "uci/input.h"
#include <sys/select.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include "uci/output.h"

namespace {

char Buffer[MaxLineLength + 1];  // room for the longest line and its line end
int Length = 0;
bool Overlong = false;  // dropping the rest of a line that did not fit
bool EndOfInput = false;

bool InputWaiting(int waitMs) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(0, &set);
  timeval wait = {waitMs / 1000, (waitMs % 1000) * 1000};
  int ready = select(1, &set, nullptr, nullptr, &wait);
  if (ready < 0 && errno != EINTR) EndOfInput = true;
  return ready > 0;
}

// Moves the first line out of the buffer; false when the buffer holds no line end.
bool TakeLine(std::string& line) {
  char* end = static_cast<char*>(std::memchr(Buffer, '\n', Length));
  if (!end) return false;
  int size = int(end - Buffer);
  line.assign(Buffer, size);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  Length -= size + 1;
  std::memmove(Buffer, end + 1, Length);
  return true;
}

}  // namespace

InputStatus ReadInputLine(std::string& line, int waitMs) {
  for (;;) {
    bool wasOverlong = Overlong;
    if (TakeLine(line)) {
      Overlong = false;
      if (!wasOverlong) return InputStatus::Line;
      PrintInfoString("line longer than %d bytes ignored", MaxLineLength);
      continue;
    }
    if (Length == int(sizeof Buffer)) {  // no line end within the limit
      Overlong = true;
      Length = 0;
    }
    if (EndOfInput) {
      if (Length == 0 || Overlong) return InputStatus::End;
      line.assign(Buffer, Length);  // a last line without its line end
      Length = 0;
      return InputStatus::Line;
    }
    if (!InputWaiting(waitMs)) return InputStatus::None;
    ssize_t count = read(0, Buffer + Length, sizeof Buffer - Length);
    if (count > 0)
      Length += int(count);
    else if (count == 0 || errno != EINTR)
      EndOfInput = true;
  }
}
