file(READ ${IN} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(SIZE ${IN} size)
file(WRITE ${OUT} "// Generated from ${IN}.\n#include <cstddef>\nnamespace taoci {\nextern const unsigned char ${SYMBOL}[] = {${bytes}};\nextern const std::size_t ${SYMBOL}_size = ${size};\n}  // namespace taoci\n")
