#include "app/startup.h"

#include <unistd.h>

#include <array>

namespace app {

namespace {
constexpr int kLook_ms = 1;
}  // namespace

std::string executable_folder() {
  std::array<char, 4096> path{};
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
  if (length <= 0) return {};
  const std::string file(path.data(), static_cast<std::size_t>(length));
  const std::size_t slash = file.rfind('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? std::string("/") : file.substr(0, slash);
}

bool enter_executable_folder() {
  const std::string folder = executable_folder();
  return !folder.empty() && chdir(folder.c_str()) == 0;
}

int wait_for_next_second(const std::function<std::time_t()>& now, const std::function<void(int)>& sleep_ms,
                         int max_wait_ms) {
  const std::time_t start = now();
  int looks = 1;
  for (int waited_ms = 0; waited_ms < max_wait_ms; waited_ms += kLook_ms) {
    sleep_ms(kLook_ms);
    ++looks;
    if (now() != start) break;
  }
  return looks;
}

}  // namespace app
