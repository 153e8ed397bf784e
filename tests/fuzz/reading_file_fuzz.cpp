// Feeds arbitrary bytes to the reading-file reader, the way opening any file would.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/reading_file.h"
#include "reading/form_values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The program refuses what ReadingFileProblem names before decoding, but the command line
    // and later callers may not: the decoder must stand anything.
    static_cast<void>(files::ReadingFileProblem(bytes));
    const files::ReadingFileFields fields = files::DecodeReadingFile(bytes);
    static_cast<void>(files::ApplyToForm(fields, reading::FormValues{}));

    // Whatever was read saves and reads back unchanged.
    if (files::DecodeReadingFile(files::EncodeReadingFile(fields)) != fields) {
        __builtin_trap();
    }
    return 0;
}
