// Runs the built engine as a child process and talks to it through pipes.
#pragma once
#include <sys/types.h>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class EngineProcess {
 public:
  // Starts the engine (QF_ENGINE_PATH by default), in workingDirectory when not empty.
  explicit EngineProcess(const std::string& workingDirectory = "", const std::string& path = QF_ENGINE_PATH);
  ~EngineProcess();  // kills the engine if it still runs
  EngineProcess(const EngineProcess&) = delete;
  EngineProcess& operator=(const EngineProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  // Writes one line; false when the engine no longer reads.
  bool Send(const std::string& line);
  // Reads lines until one satisfies the predicate and returns it; nothing on time-out or
  // end of output.
  std::optional<std::string> WaitFor(const std::function<bool(const std::string&)>& matches,
                                     int timeoutMs = 10000);
  // The same for a line that starts with prefix.
  std::optional<std::string> WaitForPrefix(const std::string& prefix, int timeoutMs = 10000);
  // Every line read so far.
  const std::vector<std::string>& Lines() const { return lines_; }
  // Closes the engine's standard input.
  void CloseInput();
  // Waits for the engine to end; its exit status, or -1 when it had to be killed (time-out
  // or a signal).
  int WaitForExit(int timeoutMs = 10000);

 private:
  bool ReadMore(int timeoutMs);  // false on time-out or end of output

  pid_t pid_ = -1;
  int input_ = -1, output_ = -1;
  std::string pending_;  // output read but not yet a complete line
  size_t next_ = 0;      // first line not yet looked at by WaitFor
  std::vector<std::string> lines_;
};
