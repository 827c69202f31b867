#include "tile_cache.h"

#include "tile_bitmap.h"

namespace tavrin {

QImage TTileCache::KeyedTileAt(const std::string& path) {
    const std::optional<TFileStamp> stamp = FileStampOf(path);
    const auto found = entries_.find(path);
    if (found != entries_.end() && stamp && found->second.Stamp == *stamp) {
        found->second.LastDrawing = drawing_;
        return found->second.Keyed;
    }
    if (found != entries_.end()) {
        bytes_ -= found->second.Keyed.sizeInBytes();
        entries_.erase(found);
    }
    if (!stamp || !stamp->Regular)
        return {};

    // The stamp is taken before the bytes are read: a change while reading
    // gives a new stamp, so the next drawing reads the file again.
    TEntry entry{*stamp, KeyedTile(ReadTileBitmap(path)), drawing_};
    const QImage keyed = entry.Keyed;
    bytes_ += keyed.sizeInBytes();
    entries_.emplace(path, std::move(entry));
    MakeRoom();
    return keyed;
}

void TTileCache::MakeRoom() {
    while (bytes_ > budget_) {
        auto oldest = entries_.end();
        for (auto it = entries_.begin(); it != entries_.end(); ++it)
            if (it->second.LastDrawing < drawing_ &&
                (oldest == entries_.end() || it->second.LastDrawing < oldest->second.LastDrawing))
                oldest = it;
        if (oldest == entries_.end())
            return; // everything kept belongs to the drawing under way
        bytes_ -= oldest->second.Keyed.sizeInBytes();
        entries_.erase(oldest);
    }
}

} // namespace tavrin
