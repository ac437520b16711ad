// GoogleTest's own customisation point, for the Windows tests. The C++
// runtime of the win32 thread model has no std::mutex or
// std::condition_variable; GoogleTest uses them only for Notification,
// which starts the threads of its own threading helpers. The tests run on
// one thread, so a flag does.
#pragma once

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {
class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { m_bNotified = true; }
  void WaitForNotification() {
    while (!m_bNotified) {
    }
  }

 private:
  std::atomic<bool> m_bNotified{false};
};
}  // namespace internal
}  // namespace testing
