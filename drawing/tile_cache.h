#pragma once
// Decoded tile bitmaps kept between drawings. The drawing must show the tile
// files as they are at that moment (the art may change while the program
// runs), so every request looks at the file's stamp (size, modification time
// to the nanosecond, inode; taken without opening it) and decodes the file
// again whenever the stamp differs from the one it was decoded at. A file
// that is gone is reported as gone, a replaced one gives its new art, and
// only an unchanged file is served from memory.

#include "file_stamp.h"

#include <QImage>
#include <cstdint>
#include <string>
#include <unordered_map>

namespace tavrin {

// The most bytes of decoded tiles kept: all 120 tiles of art at the usual
// 200 x 200 pixels, or 32 at the largest size allowed.
inline constexpr std::int64_t TileCacheBytes = std::int64_t{128} << 20;

class TTileCache {
public:
    explicit TTileCache(std::int64_t budget = TileCacheBytes) : budget_(budget) {}

    // Starts a drawing: tiles used from now on are kept until it ends, even
    // beyond the budget; the least recently used go first when room is needed.
    void StartDrawing() { ++drawing_; }

    // The keyed tile of the bitmap file at `path` (a local file name), or a
    // null image when no regular file of that name exists. Raises what
    // ReadTileBitmap raises; a file that fails is not kept.
    QImage KeyedTileAt(const std::string& path);

    // The bytes of the decoded tiles kept now.
    std::int64_t KeptBytes() const { return bytes_; }

private:
    struct TEntry {
        TFileStamp Stamp;
        QImage Keyed;
        std::uint64_t LastDrawing = 0;
    };

    void MakeRoom();

    std::int64_t budget_;
    std::unordered_map<std::string, TEntry> entries_;
    std::int64_t bytes_ = 0;
    std::uint64_t drawing_ = 0;
};

} // namespace tavrin
