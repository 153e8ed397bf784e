#include "places/builtin_atlas.h"

#include <QFile>

namespace places {

namespace {

const Atlas::Loaded& Load() {
    static const Atlas::Loaded loaded = [] {
        QFile file(QStringLiteral(":/places/atlas.tsv"));
        if (!file.open(QIODevice::ReadOnly)) {
            return Atlas::Loaded{std::nullopt, "the built-in place atlas is missing"};
        }
        const QByteArray bytes = file.readAll();
        Atlas::Loaded parsed = Atlas::Parse(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        if (!parsed.atlas) {
            parsed.problem = "the built-in place atlas cannot be read: " + parsed.problem;
        }
        return parsed;
    }();
    return loaded;
}

}  // namespace

const Atlas* BuiltInAtlas() {
    const Atlas::Loaded& loaded = Load();
    return loaded.atlas ? &*loaded.atlas : nullptr;
}

const std::string& BuiltInAtlasProblem() {
    return Load().problem;
}

}  // namespace places
