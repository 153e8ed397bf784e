#include "places/builtin_atlas.h"

#include <zlib.h>

#include <limits>

#include "places/atlas_blob.h"

namespace places {

namespace {

// The gzip data unpacked, or nothing when it is damaged.
std::optional<std::string> Gunzip(std::string_view packed) {
    if (packed.size() < 4 || packed.size() > std::numeric_limits<uInt>::max()) {
        return std::nullopt;
    }
    // The last four bytes give the unpacked size (modulo 4 GiB, far more than the atlas).
    const auto byte = [&](std::size_t i) {
        return static_cast<std::uint32_t>(
            static_cast<unsigned char>(packed[packed.size() - 4 + i]));
    };
    std::string text(byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24, '\0');
    z_stream stream{};
    constexpr int kGzipWindow = 16 + MAX_WBITS;
    if (inflateInit2(&stream, kGzipWindow) != Z_OK) {
        return std::nullopt;
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    stream.next_out = reinterpret_cast<Bytef*>(text.data());
    stream.avail_out = static_cast<uInt>(text.size());
    const int result = inflate(&stream, Z_FINISH);
    const bool whole = result == Z_STREAM_END && stream.total_out == text.size();
    inflateEnd(&stream);
    return whole ? std::optional<std::string>(std::move(text)) : std::nullopt;
}

const Atlas::Loaded& Load() {
    static const Atlas::Loaded loaded = ReadBuiltInAtlas();
    return loaded;
}

}  // namespace

Atlas::Loaded ReadBuiltInAtlas() {
    const std::optional<std::string> text = Gunzip(CompressedAtlas());
    if (!text) {
        return Atlas::Loaded{std::nullopt, "the built-in place atlas is damaged"};
    }
    Atlas::Loaded parsed = Atlas::Parse(*text);
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
