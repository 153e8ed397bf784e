// Feeds arbitrary bytes to the place search as a place text, the way --place, --find, a batch's
// place column or the City field would.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/vector_state.h"
#include "places/builtin_atlas.h"
#include "places/search_key.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    engine::ClearUpperVectorHalves();  // Qt leaves them in use, and SSE code slows down
    const places::Atlas* atlas = places::BuiltInAtlas();
    if (atlas == nullptr) {
        __builtin_trap();
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::size_t limit : {std::size_t{1}, std::size_t{20}}) {
        const std::vector<std::size_t> found = atlas->find(places::ParsePlaceText(text), limit);
        // Most populous first, each place once, within the atlas.
        if (found.size() > limit || !std::is_sorted(found.begin(), found.end()) ||
            std::adjacent_find(found.begin(), found.end()) != found.end() ||
            (!found.empty() && found.back() >= atlas->size())) {
            __builtin_trap();
        }
    }
    // An other name that found a place is the one its key was made from: its key begins with
    // the typed name's.
    const places::PlaceQuery query = places::ParsePlaceText(text);
    const std::string typed = places::SearchKey(query.city);
    for (const places::PlaceMatch& match : atlas->match(query, 20)) {
        if (!match.otherName.empty() && !places::SearchKey(match.otherName).starts_with(typed)) {
            __builtin_trap();
        }
    }
    return 0;
}
