#include "kcl/platform/childprocess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>

#include "kcl/platform/ownedfd.h"
#include "kcl/platform/winerror.h"

extern char** environ;

namespace kcl {

namespace {

uint32_t ErrorCodeOf(int error) {
  switch (error) {
    case ENOEXEC: return ERROR_BAD_FORMAT;
    case ENOMEM:
    case EAGAIN: return ERROR_OUT_OF_RESOURCES;
    default: return ERROR_FILE_NOT_FOUND;
  }
}

class TSpawnSetup {
public:
  TSpawnSetup() {
    posix_spawn_file_actions_init(&Actions);
    posix_spawnattr_init(&Attributes);
  }
  ~TSpawnSetup() {
    posix_spawn_file_actions_destroy(&Actions);
    posix_spawnattr_destroy(&Attributes);
  }
  TSpawnSetup(const TSpawnSetup&) = delete;
  TSpawnSetup& operator=(const TSpawnSetup&) = delete;

  posix_spawn_file_actions_t Actions;
  posix_spawnattr_t Attributes;
};

// A signal that this process ignores or blocks would stay so in the child.
void ResetSignals(posix_spawnattr_t& attributes) {
  sigset_t none;
  sigset_t all;
  sigemptyset(&none);
  sigfillset(&all);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &all);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
}

int OpenPidFd(pid_t pid) {
#ifdef SYS_pidfd_open
  return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#else
  (void)pid;
  return -1;
#endif
}

}  // namespace

TStartResult StartChild(const std::vector<std::string>& argv, const TStdio& stdio, const std::string& directory) {
  if (argv.empty()) return {-1, ERROR_FILE_NOT_FOUND};
  TSpawnSetup setup;
  // The child's descriptors are set one after the other: one that is to become
  // another's copy is copied out of the way first, so the order cannot matter.
  std::vector<TOwnedFd> copies;
  for (int fd = 0; fd < 3; ++fd) {
    int source = stdio.Fd[fd];
    if (source < 0) {
      posix_spawn_file_actions_addopen(&setup.Actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
      continue;
    }
    if (source == fd) continue;
    if (source < 3) {
      copies.emplace_back(::fcntl(source, F_DUPFD_CLOEXEC, 3));
      if (!copies.back().Valid()) return {-1, ErrorCodeOf(errno)};
      source = copies.back().Get();
    }
    posix_spawn_file_actions_adddup2(&setup.Actions, source, fd);
  }
#if defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 34)
  posix_spawn_file_actions_addclosefrom_np(&setup.Actions, 3);
#endif
  if (!directory.empty()) posix_spawn_file_actions_addchdir_np(&setup.Actions, directory.c_str());
  ResetSignals(setup.Attributes);

  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  pid_t pid = -1;
  const int error = posix_spawn(&pid, args[0], &setup.Actions, &setup.Attributes, args.data(), environ);
  if (error != 0) return {-1, ErrorCodeOf(error)};
  return {pid, 0};
}

int WaitForChild(pid_t pid, const std::function<void()>& whileWaiting) {
  const TOwnedFd pidFd(OpenPidFd(pid));
  // A caller with windows to paint cannot leave them for a whole second.
  const int interval = whileWaiting ? 40 : 1000;
  const bool polling = pidFd.Valid() || whileWaiting;
  for (;;) {
    int status = 0;
    const pid_t done = ::waitpid(pid, &status, polling ? WNOHANG : 0);
    if (done == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (done < 0 && errno != EINTR) return -1;
    if (done == 0) {
      // Without a pidfd (-1) the poll only sleeps.
      pollfd ended{pidFd.Get(), POLLIN, 0};
      ::poll(&ended, 1, interval);
      if (whileWaiting) whileWaiting();
    }
  }
}

bool RunInBackground(std::function<void()> work) {
  try {
    std::thread(std::move(work)).detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

void ReapInBackground(pid_t pid) {
  RunInBackground([pid] {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  });
}

}  // namespace kcl
