#pragma once
// The picture on the OpenGL side: one texture holding the newest frame, drawn as two
// textured triangles into the placement's rectangle, black around it. A texture that cannot
// be made at the frame's size is retried padded to power-of-two sides, then through
// gluBuild2DMipmaps; when that fails too, "Alert" boxes say so (once).
#include <GL/glew.h>

#include <cstdint>
#include <vector>

#include "app/frame_builder.h"
#include "app/picture_placement.h"
#include "screen/platform.h"

namespace app {

class GlPicture {
 public:
  explicit GlPicture(screen::Platform& platform) : platform_(platform) {}

  void upload(const Frame& frame);
  // Clears the client area to black and draws the picture; the caller swaps the buffers.
  void draw(Size client, const Placement& placement);

 private:
  enum class Storage { none, exact, padded, mipmapped };
  bool upload_exact(const Frame& frame);
  bool upload_padded(const Frame& frame);
  bool upload_mipmapped(const Frame& frame);

  screen::Platform& platform_;
  GLuint texture_ = 0;
  Storage storage_ = Storage::none;
  Size frame_size_;
  Size texture_size_;
  std::vector<std::uint32_t> padded_;
  bool alerted_ = false;
};

}  // namespace app
