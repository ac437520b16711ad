#include "ProcessRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {
void DrainPipes(int fdOut, int fdErr, CProcessResult* pResult) {
  pollfd fds[2] = {{fdOut, POLLIN, 0}, {fdErr, POLLIN, 0}};
  int nOpen = 2;
  char buffer[4096];
  while (nOpen > 0) {
    if (poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
      const ssize_t n = read(fds[i].fd, buffer, sizeof(buffer));
      if (n <= 0) {
        close(fds[i].fd);
        fds[i].fd = -1;
        --nOpen;
        continue;
      }
      (i == 0 ? pResult->strStdout : pResult->strStderr).append(buffer, n);
    }
  }
}

}  // namespace

CProcessResult RunProcess(const std::vector<std::string>& argv,
                          const CProcessOptions& options) {
  CProcessResult result;
  int pipeIn[2], pipeOut[2], pipeErr[2];
  if (pipe(pipeIn) != 0 || pipe(pipeOut) != 0 || pipe(pipeErr) != 0)
    return result;
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(pipeIn[0], STDIN_FILENO);
    dup2(pipeOut[1], STDOUT_FILENO);
    dup2(pipeErr[1], STDERR_FILENO);
    for (int fd :
         {pipeIn[0], pipeIn[1], pipeOut[0], pipeOut[1], pipeErr[0], pipeErr[1]})
      close(fd);
    for (const auto& var : options.env) {
      if (var.second.empty())
        unsetenv(var.first.c_str());
      else
        setenv(var.first.c_str(), var.second.c_str(), 1);
    }
    if (!options.strWorkingDirectory.empty() &&
        chdir(options.strWorkingDirectory.c_str()) != 0)
      _exit(126);
    std::vector<char*> args;
    for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  close(pipeIn[0]);
  close(pipeOut[1]);
  close(pipeErr[1]);
  if (!options.strStdin.empty() &&
      write(pipeIn[1], options.strStdin.data(), options.strStdin.size()) < 0) {
    // The child may have ended without reading; its result tells.
  }
  close(pipeIn[1]);
  DrainPipes(pipeOut[0], pipeErr[0], &result);
  int nStatus = 0;
  waitpid(pid, &nStatus, 0);
  result.nExitStatus =
      WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : 128 + WTERMSIG(nStatus);
  return result;
}

std::string QuorrelExe() {
#ifdef QUORREL_EXE
  return QUORREL_EXE;
#else
  return "quorrel";
#endif
}

std::string ReadWholeFile(const std::string& strPath) {
  std::ifstream file(strPath, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

bool WriteWholeFile(const std::string& strPath, const std::string& strData) {
  std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
  file << strData;
  return static_cast<bool>(file);
}

bool PathExists(const std::string& strPath) {
  struct stat st;
  return stat(strPath.c_str(), &st) == 0;
}
