#include "support/engine_process.h"
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <thread>

namespace {
int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

EngineProcess::EngineProcess(const std::string& workingDirectory, const std::string& path) {
  signal(SIGPIPE, SIG_IGN);  // a write to an engine that has ended fails instead
  int toChild[2], fromChild[2];
  if (pipe2(toChild, O_CLOEXEC) != 0) return;
  if (pipe2(fromChild, O_CLOEXEC) != 0) {
    close(toChild[0]);
    close(toChild[1]);
    return;
  }
  pid_ = fork();
  if (pid_ == 0) {
    dup2(toChild[0], 0);
    dup2(fromChild[1], 1);
    if (!workingDirectory.empty() && chdir(workingDirectory.c_str()) != 0) _exit(126);
    execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(toChild[0]);
  close(fromChild[1]);
  input_ = toChild[1];
  output_ = fromChild[0];
  if (pid_ < 0) CloseInput();
}

EngineProcess::~EngineProcess() {
  CloseInput();
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (output_ >= 0) close(output_);
}

bool EngineProcess::Send(const std::string& line) {
  if (input_ < 0) return false;
  std::string text = line + "\n";
  for (size_t done = 0; done < text.size();) {
    ssize_t count = write(input_, text.data() + done, text.size() - done);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    done += size_t(count);
  }
  return true;
}

bool EngineProcess::ReadMore(int timeoutMs) {
  if (output_ < 0) return false;
  pollfd descriptor = {output_, POLLIN, 0};
  int ready = poll(&descriptor, 1, timeoutMs);
  if (ready <= 0) return false;
  char buffer[4096];
  ssize_t count = read(output_, buffer, sizeof buffer);
  if (count <= 0) {
    if (count < 0 && errno == EINTR) return true;
    if (!pending_.empty()) lines_.push_back(pending_);
    pending_.clear();
    close(output_);
    output_ = -1;
    return false;
  }
  pending_.append(buffer, size_t(count));
  for (size_t end; (end = pending_.find('\n')) != std::string::npos;) {
    lines_.push_back(pending_.substr(0, end));
    pending_.erase(0, end + 1);
  }
  return true;
}

std::optional<std::string> EngineProcess::WaitFor(const std::function<bool(const std::string&)>& matches,
                                                  int timeoutMs) {
  int64_t deadline = NowMs() + timeoutMs;
  for (;;) {
    for (; next_ < lines_.size(); ++next_)
      if (matches(lines_[next_])) return lines_[next_++];
    int64_t left = deadline - NowMs();
    if (left <= 0 || !ReadMore(int(left))) {
      for (; next_ < lines_.size(); ++next_)  // the last line before the end of output
        if (matches(lines_[next_])) return lines_[next_++];
      return std::nullopt;
    }
  }
}

std::optional<std::string> EngineProcess::WaitForPrefix(const std::string& prefix, int timeoutMs) {
  return WaitFor([&](const std::string& line) { return line.rfind(prefix, 0) == 0; }, timeoutMs);
}

void EngineProcess::CloseInput() {
  if (input_ >= 0) close(input_);
  input_ = -1;
}

int EngineProcess::WaitForExit(int timeoutMs) {
  if (pid_ <= 0) return -1;
  int64_t deadline = NowMs() + timeoutMs;
  int status = 0;
  for (;;) {
    while (ReadMore(0)) {}  // keep the pipe drained so that the engine never blocks writing
    pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == pid_) break;
    if (NowMs() >= deadline) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
      pid_ = -1;
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  pid_ = -1;
  while (ReadMore(0)) {}
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
