#include "render/DrawablePicture.h"

#include <unordered_map>

#include "render/DibImage.h"

namespace roamplot {

namespace {

struct Converted {
    std::weak_ptr<const Dib> Source;
    QImage Plain;
    QImage Keyed;
    bool KeyedMade = false;
};

// Entries whose picture has gone are dropped once the table grows past this.
constexpr std::size_t PruneAbove = 256;

Converted& ConvertedOf(const std::shared_ptr<const Dib>& dib) {
    static std::unordered_map<const Dib*, Converted> table;
    auto found = table.find(dib.get());
    // An expired entry may name a new picture that reuses the old one's address.
    if (found != table.end() && !found->second.Source.expired()) return found->second;
    if (table.size() > PruneAbove)
        std::erase_if(table, [](const auto& e) { return e.second.Source.expired(); });
    Converted& entry = table[dib.get()];
    entry = Converted{dib, DibToQImage(*dib), {}, false};
    return entry;
}

} // namespace

QImage DrawablePicture(const SharedDib& picture) {
    if (!picture) return {};
    return ConvertedOf(picture.Shared()).Plain;
}

QImage DrawableKeyedPicture(const SharedDib& picture) {
    if (!picture) return {};
    Converted& converted = ConvertedOf(picture.Shared());
    if (!converted.KeyedMade) {
        if (!converted.Plain.isNull()) converted.Keyed = WithKeyTransparent(converted.Plain);
        converted.KeyedMade = true;
    }
    return converted.Keyed;
}

} // namespace roamplot
