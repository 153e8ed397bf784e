#include "files/text_losses.h"

#include <gtest/gtest.h>

namespace files {
namespace {

using Characters = std::vector<std::string>;

struct LossCase {
    const char* what;
    std::string reading::BirthData::*field;
    std::string text;
    std::vector<TextLoss> readingFile;  // what saving a reading says
    std::vector<TextLoss> report;       // what exporting the report says
};

TEST(TextLosses, NameTheFieldTheCharactersAndWhatIsStored) {
    using reading::BirthData;
    const std::string devanagari = "\u0926\u093F\u0932\u094D\u0932\u0940";  // Delhi
    const std::vector<LossCase> cases{
        {"past the shift's range",
         &BirthData::name,
         "M\u00FCller",
         {{"Name", "M\u00FCller", "Mller", {}, {"\u00FC"}}},
         {}},
        {"a city",
         &BirthData::city,
         "Z\u00FCrich",
         {{"City", "Z\u00FCrich", "Zrich", {}, {"\u00FC"}}},
         {}},
        {"kept and lost letters side by side",
         &BirthData::name,
         "\u00D1u\u00F1ez",
         {{"Name", "\u00D1u\u00F1ez", "\u00D1uez", {}, {"\u00F1"}}},
         {}},
        {"beyond Latin-1",
         &BirthData::name,
         "\u0141ukasz",
         {{"Name", "\u0141ukasz", "?ukasz", {"\u0141"}, {}}},
         {{"Name", "\u0141ukasz", "?ukasz", {"\u0141"}, {}}}},
        {"another script, each character named once",
         &BirthData::state,
         devanagari,
         {{"State", devanagari, "??????", {"\u0926", "\u093F", "\u0932", "\u094D", "\u0940"}, {}}},
         {{"State", devanagari, "??????", {"\u0926", "\u093F", "\u0932", "\u094D", "\u0940"}, {}}}},
        {"nothing left",
         &BirthData::country,
         "\u00FF",
         {{"Country", "\u00FF", "", {}, {"\u00FF"}}},
         {}},
        {"a control character",
         &BirthData::city,
         "Del\thi",
         {{"City", "Del\thi", "Delhi", {}, {"\t"}}},
         {}},
        {"text that fits, blanks trimmed", &BirthData::name, "  Zo\u00EB ", {}, {}},
    };
    for (const LossCase& loss : cases) {
        BirthData birth;
        birth.name = "Asha";
        birth.city = birth.state = "Delhi";
        birth.country = "India";
        birth.*loss.field = loss.text;
        EXPECT_EQ(ReadingFileLosses(birth), loss.readingFile) << loss.what;
        EXPECT_EQ(ReportLosses(birth), loss.report) << loss.what;
    }
}

}  // namespace
}  // namespace files
