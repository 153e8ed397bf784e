#include "places/builtin_atlas.h"

#include "places/atlas_blob.h"

namespace places {

namespace {

const Atlas::Loaded& Load() {
    static const Atlas::Loaded loaded = ReadBuiltInAtlas();
    return loaded;
}

}  // namespace

Atlas::Loaded ReadBuiltInAtlas() {
    Atlas::Loaded parsed = Atlas::Parse(BuiltInAtlasText());
    if (!parsed.atlas) {
        parsed.problem = "the built-in place atlas cannot be read: " + parsed.problem;
    }
    return parsed;
}

const Atlas* BuiltInAtlas() {
    const Atlas::Loaded& loaded = Load();
    return loaded.atlas ? &*loaded.atlas : nullptr;
}

const std::string& BuiltInAtlasProblem() {
    return Load().problem;
}

}  // namespace places
