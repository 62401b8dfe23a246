# Turns the 256 glyphs of a PSF1 console font (8 pixels wide, 16 rows, code-page order)
# into a C++ source, so that the program reads no font file at run time.
# Usage: cmake -DPSF=<font.psf.gz> -DOUT=<file.cpp> -P embed_psf_font.cmake
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
file(REMOVE "${raw}")

string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${glyphs}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUT}" "// Generated at build time from ${PSF}.\n"
  "#include \"screen/font.h\"\n\n"
  "namespace screen {\n\n"
  "const std::array<std::array<std::uint8_t, kGlyphHeight>, kGlyphCount> kCodePage437Glyphs = {{\n"
  "${bytes}}};\n\n"
  "}  // namespace screen\n")
