#include "files/text_losses.h"

#include <algorithm>
#include <functional>
#include <string_view>
#include <utility>

#include "files/latin1_text.h"
#include "files/reading_file.h"

namespace files {

namespace {

// What a file gives back for a text written into it.
using StoredText = std::function<std::string(std::string_view)>;

void AddOnce(std::vector<std::string>& characters, std::string_view character) {
    if (std::find(characters.begin(), characters.end(), character) == characters.end()) {
        characters.emplace_back(character);
    }
}

// Each character is written on its own to learn what the file does with it, so the file's own
// encoder stays the only judge of what it holds.
void AddLoss(std::vector<TextLoss>& losses, std::string_view field, const std::string& text,
             const StoredText& stored) {
    TextLoss loss{std::string(field), text, stored(text), {}, {}};
    if (loss.stored == text) {
        return;
    }
    for (const std::string_view character : Utf8Characters(text)) {
        const std::string kept = stored(character);
        if (kept.empty()) {
            AddOnce(loss.leftOut, character);
        } else if (kept != character) {
            AddOnce(loss.replaced, character);
        }
    }
    losses.push_back(std::move(loss));
}

}  // namespace

std::vector<TextLoss> ReadingFileLosses(const reading::BirthData& birth) {
    // The zone's position is a number and never loses anything.
    const ReadingFileFields fields = FieldsForSave(birth, 0);
    std::vector<TextLoss> losses;
    for (int line = 0; line < kReadingFileLineCount; ++line) {
        AddLoss(losses, ReadingFileLineName(line), fields[line], StoredReadingText);
    }
    return losses;
}

std::vector<TextLoss> ReportLosses(const reading::BirthData& birth) {
    const StoredText latin1 = [](std::string_view text) {
        return Latin1ToUtf8(Utf8ToLatin1(text));
    };
    const std::pair<std::string_view, const std::string*> texts[] = {
        {"Name", &birth.name},
        {"City", &birth.city},
        {"State", &birth.state},
        {"Country", &birth.country},
    };
    std::vector<TextLoss> losses;
    for (const auto& [field, text] : texts) {
        AddLoss(losses, field, *text, latin1);
    }
    return losses;
}

}  // namespace files
