// scheme_snapshot Z_TEXT P_TEXT Y1_TEXT OUT.ppm [--no-at K] [--max-statements N]
// Runs the winding scheme headless and writes the final screen as a PPM.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/headless_run.h"

namespace {

int usage() {
  std::fprintf(stderr, "usage: scheme_snapshot Z_TEXT P_TEXT Y1_TEXT OUT.ppm [--no-at K] [--max-statements N]\n");
  return 2;
}

bool parse_count(const char* text, long long& value) {
  char* end = nullptr;
  value = std::strtoll(text, &end, 10);
  return end != text && *end == '\0' && value >= 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) return usage();
  scheme::HeadlessRun run({argv[1], argv[2], argv[3]});
  const std::string out_path = argv[4];
  for (int i = 5; i < argc; i += 2) {
    const std::string option = argv[i];
    long long value = 0;
    if (i + 1 >= argc || !parse_count(argv[i + 1], value)) return usage();
    if (option == "--no-at") {
      run.no_at_box = static_cast<std::int32_t>(value);
    } else if (option == "--max-statements") {
      run.max_statements = value;
    } else {
      return usage();
    }
  }
  run.on_error_box = [](const scheme::ErrorBoxSeen& box) { std::printf("error %d line %d\n", box.code, box.line); };
  scheme::RunEnding ending = scheme::RunEnding::bound;
  try {
    ending = run.run();
  } catch (const screen::HeadlessStuck& stuck) {
    std::fprintf(stderr, "scheme_snapshot: %s\n", stuck.what());
    return 1;
  }
  std::printf("steps %lld statements %lld ended %s\n", static_cast<long long>(run.steps),
              static_cast<long long>(run.statements), scheme::to_string(ending));
  if (!scheme::write_file(out_path, scheme::screen_as_ppm(run.runtime))) {
    std::fprintf(stderr, "scheme_snapshot: cannot write %s\n", out_path.c_str());
    return 1;
  }
  return 0;
}
