#include "HostRunEnd.h"

#include <signal.h>

#include <csignal>

namespace {
volatile sig_atomic_t g_nEndSignal = 0;
bool g_bEndRequested = false;

std::function<void()>& EndRequest() {
  static std::function<void()> request;
  return request;
}

void OnEndSignal(int nSignal) { g_nEndSignal = nSignal; }
}  // namespace

void InstallHostEndSignals() {
  struct sigaction action = {};
  action.sa_handler = OnEndSignal;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a wait for terminal input returns, and sees the signal.
  action.sa_flags = 0;
  for (int nSignal : {SIGTERM, SIGHUP, SIGINT})
    sigaction(nSignal, &action, nullptr);
}

void SetHostEndRequest(std::function<void()> request) {
  EndRequest() = std::move(request);
}

void RequestHostRunEnd() {
  if (g_bEndRequested) return;
  g_bEndRequested = true;
  if (EndRequest()) EndRequest()();
}

void CheckHostEndSignal() {
  if (g_nEndSignal != 0) RequestHostRunEnd();
}

int HostEndSignal() { return g_nEndSignal; }

bool HostRunEnding() { return g_bEndRequested; }
