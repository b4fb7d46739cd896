#include "support/FailingDisk.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvix::testing {

void WithFullDisk(long maxBytes, const std::function<void()>& write) {
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  auto* oldHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit limited = old;
  limited.rlim_cur = static_cast<rlim_t>(maxBytes);
  setrlimit(RLIMIT_FSIZE, &limited);
  write();
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldHandler);
}

bool InReadOnlyProcess(const std::function<bool()>& write) {
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
    _exit(write() ? 1 : 0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

}  // namespace tarvix::testing
