# Turns the 256 glyphs of a PSF1 console font (8 pixels wide, 16 rows, code-page order)
# into a C++ source, so that the program reads no font file at run time.
# Usage: cmake -DPSF=<font.psf.gz> -DOUT=<file.cpp> -P embed_psf_font.cmake
cmake_policy(VERSION 3.25)
if(NOT PSF OR NOT OUT)
  message(FATAL_ERROR "PSF and OUT must be given")
endif()
if(NOT EXISTS "${PSF}")
  message(FATAL_ERROR "font ${PSF} not found: install the Debian package console-data")
endif()

set(raw "${OUT}.psf")
execute_process(COMMAND gzip -dc "${PSF}" OUTPUT_FILE "${raw}" RESULT_VARIABLE gz_result)
if(NOT gz_result EQUAL 0)
  message(FATAL_ERROR "cannot decompress ${PSF}")
endif()

file(READ "${raw}" header LIMIT 4 HEX)
string(SUBSTRING "${header}" 0 4 magic)
string(SUBSTRING "${header}" 6 2 char_size)
if(NOT magic STREQUAL "3604" OR NOT char_size STREQUAL "10")
  message(FATAL_ERROR "${PSF} is not a PSF1 font with 16-row glyphs")
endif()

file(READ "${raw}" glyphs OFFSET 4 LIMIT 4096 HEX)
string(LENGTH "${glyphs}" glyph_hex_length)
if(NOT glyph_hex_length EQUAL 8192)
  message(FATAL_ERROR "${PSF} holds fewer than 256 glyphs")
endif()

# The text grid indexes glyphs by code page 437 code. When the font carries its Unicode table,
# check a few characters of that code page against it, so that a font in another order fails
# here instead of printing wrong shapes.
string(SUBSTRING "${header}" 4 2 mode)
math(EXPR font_mode "0x${mode}")
math(EXPR has_table "${font_mode} & 2")
if(has_table)
  math(EXPR glyph_total "256 + 256 * (${font_mode} & 1)")
  math(EXPR table_offset "4 + ${glyph_total} * 16")
  file(READ "${raw}" table OFFSET ${table_offset} HEX)
  string(REGEX MATCHALL "[0-9a-f][0-9a-f][0-9a-f][0-9a-f]" units "${table}")
  # "code=unicode" pairs, the unicode as the table stores it (little-endian UCS-2).
  set(expected 1=3a26 65=4100 156=a300 179=0225 196=0025 219=8825 225=df00 254=a025)
  set(glyph 0)
  set(seen "")
  foreach(unit IN LISTS units)
    if(unit STREQUAL "ffff")
      math(EXPR glyph "${glyph} + 1")
    elseif(glyph LESS 256)
      list(APPEND seen "${glyph}=${unit}")
    endif()
  endforeach()
  foreach(pair IN LISTS expected)
    if(NOT pair IN_LIST seen)
      message(FATAL_ERROR "${PSF} is not in code page 437 order (${pair} missing)")
    endif()
  endforeach()
endif()
file(REMOVE "${raw}")

string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${glyphs}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUT}" "// Generated at build time from ${PSF}.\n"
  "#include \"screen/font.h\"\n\n"
  "namespace screen {\n\n"
  "const std::array<std::array<std::uint8_t, kGlyphHeight>, kGlyphCount> kCodePage437Glyphs = {{\n"
  "${bytes}}};\n\n"
  "}  // namespace screen\n")
