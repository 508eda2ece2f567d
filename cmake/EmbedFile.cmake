# cmake -DINPUT=FILE -DOUTPUT=SOURCE.cpp -DHEADER=dir/name.h -DFUNCTION=Name -P EmbedFile.cmake
# Writes a source file whose function returns the bytes of INPUT.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
# Sixteen bytes to a line.
set(bytes "")
set(at 0)
while(at LESS digits)
  string(SUBSTRING "${hex}" ${at} 32 line)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," line "${line}")
  string(APPEND bytes "    ${line}\n")
  math(EXPR at "${at} + 32")
endwhile()
file(WRITE ${OUTPUT}.tmp
"// Generated from ${INPUT} by cmake/EmbedFile.cmake.\n"
"#include \"${HEADER}\"\n\n"
"namespace kx {\n\n"
"namespace {\n"
"const std::uint8_t kBytes[${size}] = {\n${bytes}};\n"
"}  // namespace\n\n"
"std::span<const std::uint8_t> ${FUNCTION}() { return kBytes; }\n\n"
"}  // namespace kx\n")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
