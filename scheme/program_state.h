#pragma once
// Every value of the winding-scheme routine: 47 single-precision numbers, the key string of
// the animation step and four arrays of 1001 elements (indices 0 to 1000). One instance lives
// for the whole run; everything starts at zero.
#include <array>
#include <string>

namespace scheme {

inline constexpr unsigned kArrayElements = 1001;
using FloatArray = std::array<float, kArrayElements>;

struct ProgramState {
  float icon_origin_x = 0;
  float pole_index = 0;
  float slot_total = 0;
  float pole_pairs = 0;
  float pitch_y1 = 0;
  float pitch_y1_shown = 0;
  float half_slot_total = 0;
  float phase_count = 0;
  float pole_pitch = 0;
  float belt_size = 0;
  float layer_shift = 0;
  float step_delay = 0;
  float column_offset = 0;
  float row_offset = 0;
  float column_step = 0;
  float row_step = 0;
  float entry_counter = 0;
  float column_entry = 0;
  float row_index = 0;
  float belt_index = 0;
  float draw_colour = 0;
  float text_column = 0;
  float text_row = 0;
  float pixel_x = 0;
  float pixel_y = 0;
  float slot_number = 0;
  float marker_column_offset = 0;
  float marker_row_offset = 0;
  float phase_index = 0;
  float phase_start_row = 0;
  float phase_column_shift = 0;
  float marker_radius = 0;
  float coil_index = 0;
  float wrap_adjusted = 0;
  float left_column_flag = 0;
  float link_x1 = 0;
  float link_y1 = 0;
  float link_x2 = 0;
  float link_y2 = 0;
  float link_mid_x = 0;
  float link_mid_y = 0;
  float bend_height = 0;
  float lead_end_x = 0;
  float lead_mid_x = 0;
  float mirrored_pole = 0;
  float return_row_base = 0;
  float return_row = 0;

  std::string last_key;

  FloatArray marker_x{};
  FloatArray marker_y{};
  FloatArray wrap_marker_x{};
  FloatArray wrap_marker_y{};
};

}  // namespace scheme
