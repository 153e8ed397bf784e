// The atlas file, assembled into the program's read-only data as it is: no C++ array of
// millions of bytes to compile, and nothing to unpack when it is read. RASHI_ATLAS_SHA256 is on
// the command line only so that a compiler cache sees a changed file.
#include "places/atlas_blob.h"

__asm__(
    ".section .rodata\n"
    ".balign 16\n"
    ".global rashi_atlas_text\n"
    ".hidden rashi_atlas_text\n"
    "rashi_atlas_text:\n"
    ".incbin \"" RASHI_ATLAS_FILE
    "\"\n"
    ".global rashi_atlas_text_end\n"
    ".hidden rashi_atlas_text_end\n"
    "rashi_atlas_text_end:\n"
    ".previous\n");

extern "C" {
extern const char rashi_atlas_text[];
extern const char rashi_atlas_text_end[];
}

namespace places {

std::string_view BuiltInAtlasText() {
    return {rashi_atlas_text, static_cast<std::size_t>(rashi_atlas_text_end - rashi_atlas_text)};
}

}  // namespace places
