// The atlas file, compressed at configure time (places/CMakeLists.txt), assembled into the
// program's read-only data as it is: no C++ array of millions of bytes to compile.
// RASHI_ATLAS_SHA256 is on the command line only so that a compiler cache sees a new file.
#include "places/atlas_blob.h"

__asm__(
    ".section .rodata\n"
    ".balign 16\n"
    ".global rashi_atlas_gzip\n"
    ".hidden rashi_atlas_gzip\n"
    "rashi_atlas_gzip:\n"
    ".incbin \"" RASHI_ATLAS_GZIP
    "\"\n"
    ".global rashi_atlas_gzip_end\n"
    ".hidden rashi_atlas_gzip_end\n"
    "rashi_atlas_gzip_end:\n"
    ".previous\n");

extern "C" {
extern const unsigned char rashi_atlas_gzip[];
extern const unsigned char rashi_atlas_gzip_end[];
}

namespace places {

std::string_view CompressedAtlas() {
    return {reinterpret_cast<const char*>(rashi_atlas_gzip),
            static_cast<std::size_t>(rashi_atlas_gzip_end - rashi_atlas_gzip)};
}

}  // namespace places
