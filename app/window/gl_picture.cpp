#include "app/window/gl_picture.h"

#include <GL/glu.h>

#include <string>

namespace app {

namespace {

std::int32_t power_of_two_at_least(std::int32_t value) {
  std::int32_t side = 1;
  while (side < value && side < (1 << 30)) side <<= 1;
  return side;
}

void clear_gl_errors() {
  for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
  }
}

}  // namespace

bool GlPicture::upload_exact(const Frame& frame) {
  clear_gl_errors();
  if (storage_ == Storage::exact && frame_size_ == Size{frame.width, frame.height}) {
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, frame.width, frame.height, GL_BGRA, GL_UNSIGNED_BYTE,
                    frame.pixels.data());
  } else {
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, frame.width, frame.height, 0, GL_BGRA, GL_UNSIGNED_BYTE,
                 frame.pixels.data());
  }
  if (glGetError() != GL_NO_ERROR) return false;
  texture_size_ = {frame.width, frame.height};
  return true;
}

bool GlPicture::upload_padded(const Frame& frame) {
  const Size padded{power_of_two_at_least(frame.width), power_of_two_at_least(frame.height)};
  // The padding repeats the last column and row, so that smoothing at the edges stays clean.
  padded_.assign(static_cast<std::size_t>(padded.width) * static_cast<std::size_t>(padded.height), 0);
  for (std::int32_t y = 0; y < padded.height; ++y) {
    const std::int32_t source_y = y < frame.height ? y : frame.height - 1;
    for (std::int32_t x = 0; x < padded.width; ++x) {
      const std::int32_t source_x = x < frame.width ? x : frame.width - 1;
      padded_[static_cast<std::size_t>(y) * static_cast<std::size_t>(padded.width) + static_cast<std::size_t>(x)] =
          frame.pixels[static_cast<std::size_t>(source_y) * static_cast<std::size_t>(frame.width) +
                       static_cast<std::size_t>(source_x)];
    }
  }
  clear_gl_errors();
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, padded.width, padded.height, 0, GL_BGRA, GL_UNSIGNED_BYTE,
               padded_.data());
  if (glGetError() != GL_NO_ERROR) return false;
  texture_size_ = padded;
  return true;
}

bool GlPicture::upload_mipmapped(const Frame& frame) {
  clear_gl_errors();
  const GLint result = gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA8, frame.width, frame.height, GL_BGRA,
                                         GL_UNSIGNED_BYTE, frame.pixels.data());
  if (result != 0) {
    if (!alerted_) {
      alerted_ = true;
      platform_.alert_box("gluBuild2DMipmaps failed");
      platform_.alert_box(std::to_string(result));
    }
    return false;
  }
  texture_size_ = {frame.width, frame.height};
  return true;
}

void GlPicture::upload(const Frame& frame) {
  if (frame.width <= 0 || frame.height <= 0 ||
      frame.pixels.size() != static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height)) {
    return;
  }
  if (texture_ == 0) glGenTextures(1, &texture_);
  glBindTexture(GL_TEXTURE_2D, texture_);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  const Size size{frame.width, frame.height};
  if (storage_ == Storage::padded && frame_size_ == size) {
    clear_gl_errors();
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, frame.width, frame.height, GL_BGRA, GL_UNSIGNED_BYTE,
                    frame.pixels.data());
    if (glGetError() == GL_NO_ERROR) return;
  }
  if (upload_exact(frame)) {
    storage_ = Storage::exact;
  } else if (upload_padded(frame)) {
    storage_ = Storage::padded;
  } else if (upload_mipmapped(frame)) {
    storage_ = Storage::mipmapped;
  } else {
    storage_ = Storage::none;
  }
  frame_size_ = size;
}

void GlPicture::draw(Size client, const Placement& placement) {
  glViewport(0, 0, client.width, client.height);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
  glDisable(GL_CULL_FACE);
  glDisable(GL_ALPHA_TEST);
  glDepthMask(GL_FALSE);
  glClearColor(0.0F, 0.0F, 0.0F, 1.0F);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  const Rect& rect = placement.picture;
  if (storage_ == Storage::none || rect.width <= 0 || rect.height <= 0) return;

  glViewport(rect.x, client.height - rect.y - rect.height, rect.width, rect.height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0.0, 1.0, 1.0, 0.0, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();

  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture_);
  const GLint filter = placement.linear ? GL_LINEAR : GL_NEAREST;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  glColor4f(1.0F, 1.0F, 1.0F, 1.0F);

  const float u = storage_ == Storage::padded ? static_cast<float>(frame_size_.width) / static_cast<float>(texture_size_.width) : 1.0F;
  const float v = storage_ == Storage::padded ? static_cast<float>(frame_size_.height) / static_cast<float>(texture_size_.height) : 1.0F;
  const GLfloat vertices[] = {0, 0, 1, 0, 1, 1, 0, 0, 1, 1, 0, 1};
  const GLfloat texture_coordinates[] = {0, 0, u, 0, u, v, 0, 0, u, v, 0, v};
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glVertexPointer(2, GL_FLOAT, 0, vertices);
  glTexCoordPointer(2, GL_FLOAT, 0, texture_coordinates);
  glDrawArrays(GL_TRIANGLES, 0, 6);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisable(GL_TEXTURE_2D);
}

}  // namespace app
