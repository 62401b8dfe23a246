// The complete worked example Z = 24, p' = 2, y1 = 5, pixel for pixel, against an image that was
// checked by eye once (palette indices in a P5 file). On a mismatch the actual screen is
// written into the build tree as a viewable P6 file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/scheme/trace_recording.h"

namespace scheme::testing {
namespace {

const std::filesystem::path kGoldenDir = std::filesystem::path(__FILE__).parent_path() / "golden";

std::vector<std::uint8_t> read_palette_indices(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int width = 0;
  int height = 0;
  int max_value = 0;
  in >> magic >> width >> height >> max_value;
  in.get();
  if (!in || magic != "P5" || width != kWidth || height != kHeight || max_value != 15) return {};
  std::vector<std::uint8_t> pixels((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return pixels;
}

std::string as_p6(const std::vector<std::uint8_t>& indices) {
  std::string bytes = "P6\n640 480\n255\n";
  for (const std::uint8_t index : indices) {
    const std::uint32_t rgb = screen::kPalette[index & 0x0F];
    bytes.push_back(static_cast<char>((rgb >> 16) & 0xFF));
    bytes.push_back(static_cast<char>((rgb >> 8) & 0xFF));
    bytes.push_back(static_cast<char>(rgb & 0xFF));
  }
  return bytes;
}

TEST(GoldenImage, WorkedExampleIsDrawnPixelForPixel) {
  const std::vector<std::uint8_t> expected = read_palette_indices(kGoldenDir / "worked_example_24_2_5.pgm");
  ASSERT_EQ(expected.size(), static_cast<std::size_t>(kWidth * kHeight)) << "golden image missing or malformed";
  const TraceRecording& run = cached_run("24", "2", "5");
  ASSERT_EQ(run.final_screen.size(), expected.size());
  std::size_t differing = 0;
  std::size_t first = expected.size();
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (run.final_screen[i] == expected[i]) continue;
    ++differing;
    first = std::min(first, i);
  }
  if (differing == 0) return;
  const std::filesystem::path actual =
      std::filesystem::absolute(std::filesystem::path(SCHEMES_TEST_OUTPUT_DIR) / "worked_example_24_2_5.actual.ppm");
  const bool written = write_file(actual.string(), as_p6(run.final_screen));
  ADD_FAILURE() << differing << " pixels differ, the first at (" << first % kWidth << ", " << first / kWidth
                << "); the actual screen " << (written ? "is in " : "could not be written to ") << actual.string();
}

}  // namespace
}  // namespace scheme::testing
