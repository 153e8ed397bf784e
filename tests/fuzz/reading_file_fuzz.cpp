// Feeds arbitrary bytes to the reading-file reader, the way opening any file would, and arbitrary
// text to the writer, the way saving any entries would.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/trim.h"
#include "engine/vector_state.h"
#include "files/reading_file.h"
#include "files/text_losses.h"
#include "reading/birth_data.h"
#include "reading/form_values.h"
#include "reading/sample_birth.h"
#include "reading/validation.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

void AppendUtf8(std::string& text, char32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Two bytes a character: an even first byte gives the Latin-1 character of the second (every one
// of them, controls included); an odd one a character beyond Latin-1, up to the last plane.
std::vector<std::string> TextFields(std::string_view bytes) {
    std::vector<std::string> fields(4);
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        const auto high = static_cast<unsigned char>(bytes[at]);
        const auto low = static_cast<unsigned char>(bytes[at + 1]);
        char32_t code = low;
        if (high % 2 == 1) {
            code = 0x100 + ((char32_t{high} << 9 | char32_t{low} << 1) % (0x110000 - 0x100));
            if (code >= 0xD800 && code <= 0xDFFF) {
                code = 0xFFFD;
            }
        }
        AppendUtf8(fields[(at / 2) % fields.size()], code);
    }
    return fields;
}

// Saving these texts gives a file that opens again, with what the losses foretold in each field,
// and a loss named wherever a field comes back changed.
void CheckSaveAndReopen(const std::vector<std::string>& texts) {
    // A birth the form could have made: its date and time are in their lists.
    reading::BirthData birth = reading::SampleBirth();
    birth.name = texts[0];
    birth.city = texts[1];
    birth.state = texts[2];
    birth.country = texts[3];
    const std::string bytes = files::EncodeReadingFile(files::FieldsForSave(birth, 0));
    Check(!files::ReadingFileProblem(bytes));
    const files::ReadingFileFields reopened = files::DecodeReadingFile(bytes);
    const std::vector<files::TextLoss> losses = files::ReadingFileLosses(birth);
    const std::pair<int, const std::string*> textLines[] = {
        {0, &birth.name}, {14, &birth.city}, {15, &birth.state}, {16, &birth.country}};
    std::size_t changed = 0;
    for (const auto& [line, text] : textLines) {
        const std::string saved(engine::TrimBlanks(*text));
        Check(reopened[line] == files::StoredReadingText(saved));
        if (reopened[line] != saved) {
            Check(changed < losses.size() && losses[changed].stored == reopened[line]);
            ++changed;
        }
    }
    Check(changed == losses.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    engine::ClearUpperVectorHalves();  // Qt leaves them in use, and SSE code slows down
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Reading: the decoder stands anything; what the reader takes as a reading fits the form and
    // saves and reads back unchanged.
    const bool isReading = !files::ReadingFileProblem(bytes);
    const files::ReadingFileFields fields = files::DecodeReadingFile(bytes);
    const reading::FormValues form = files::ApplyToForm(fields, reading::FormValues{});
    if (isReading) {
        for (const std::string* degrees : {&form.latitudeDegrees, &form.latitudeMinutes,
                                           &form.longitudeDegrees, &form.longitudeMinutes}) {
            Check(degrees->empty() || reading::IsDegreeOrMinuteText(*degrees));
        }
        Check(files::DecodeReadingFile(files::EncodeReadingFile(fields)) == fields);
        // Every list line the file holds is one of its list's values: it is taken whatever the
        // form held before, never left as it was.
        reading::FormValues other;
        other.monthIndex = other.dayIndex = other.yearIndex = 7;
        other.hourIndex = other.minuteIndex = other.zoneIndex = 7;
        const reading::FormValues again = files::ApplyToForm(fields, other);
        const int held = files::ReadingFileLinesHeld(bytes);
        const std::pair<int, int reading::FormValues::*> lists[] = {
            {1, &reading::FormValues::monthIndex},  {2, &reading::FormValues::dayIndex},
            {3, &reading::FormValues::yearIndex},   {4, &reading::FormValues::hourIndex},
            {5, &reading::FormValues::minuteIndex}, {6, &reading::FormValues::zoneIndex}};
        for (const auto& [line, index] : lists) {
            Check(line >= held || form.*index == again.*index);
        }
    }

    // Writing: every Latin-1 character and text beyond it, and the same bytes taken as UTF-8
    // (broken sequences included).
    CheckSaveAndReopen(TextFields(bytes));
    CheckSaveAndReopen({std::string(bytes.substr(0, size / 2)),
                        std::string(bytes.substr(size / 2)),
                        std::string(bytes),
                        {}});
    return 0;
}
