#pragma once

#include "DocumentViews.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// Records the hints of view updates; reports a fixed number of frames.
class CViewsRecorder : public CDocumentViews {
public:
  void UpdateAllViews(int hint) override { hints.push_back(hint); }
  int NumberFrames() override { return frames; }
  std::vector<int> hints;
  int frames = 1;
};

// Runs the body in a forked child, so that limits and a changed user stay
// there; returns the child's exit status, -1 when it did not exit.
// A body returns kChildCannotSetUp when its limit or switch of user is
// refused, as in some containers: the test then skips.
constexpr int kChildCannotSetUp = 77;
inline int ExitStatusOfChild(const std::function<int()>& body)
{
  pid_t pid = ::fork();
  if (pid == 0)
    ::_exit(body());
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid)
    return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// In a child: writes past the size fail with EFBIG instead of a signal.
inline bool LimitFileSize(rlim_t bytes)
{
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{bytes, bytes};
  return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

// In a child: root ignores folder permissions, so it becomes "nobody".
inline bool DropPrivileges()
{
  return ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
}
