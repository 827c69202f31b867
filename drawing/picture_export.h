#pragma once
// The map picture in the formats it can be passed around in: encoded in
// memory, so that the file is written in one atomic step afterwards.
//
// Raster formats (BMP, PNG, JPEG) keep the picture's own size in pixels. SVG
// is a canvas of the map's size at 96 pixels per inch, the resolution the
// saved bitmaps declare too; PDF is one page of standard paper (A4 or
// Letter, by the locale) with the map as large as fits. Both draw the
// program's own tile art as vectors, or, when the user asks for the tile
// bitmaps, the drawn picture smoothly scaled.

#include "errors.h"
#include "map_art.h"
#include "map_state.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

enum class TPictureFormat : std::uint8_t { Bmp, Png, Jpeg, Svg, Pdf };

// Pixels per inch of the exported picture.
inline constexpr int PictureDpi = 96;

// A picture that could not be encoded (a null picture, or a missing encoder).
class EPictureNotEncoded : public ETavrinError {
public:
    explicit EPictureNotEncoded(TPictureFormat format);
};

// The format's usual extension, with its dot: ".png", ".jpg", ...
QString PictureExtension(TPictureFormat format);

// The format a file name's extension names (case-insensitive; ".jpeg" is
// JPEG too), or nothing for any other name. Names are bytes, in any encoding.
std::optional<TPictureFormat> PictureFormatForPath(std::string_view path);

// The format a picture saved as `name` is written in: the one its extension
// names, whatever was chosen, else the chosen one. The name itself is kept as
// given, so that the file written is the one the user confirmed.
TPictureFormat ExportFormat(std::string_view name, TPictureFormat chosen);

// What an exported picture tells of its map in the file's own metadata: the
// share code, and the seed naming ("Seed N, map k") when it is known. PNG
// and JPEG keep them as text entries "Title" ("Tavrin map" and the code),
// "MapCode" and "Seed"; SVG and PDF in the title and in the description or
// subject (the naming and the link). A bitmap has no place for them.
struct TPictureMetadata {
    QString Code;
    QString Seed;
};

// The whole file for `picture` in `format`. BMP is the 24-bit bitmap that
// Save Map as .bmp writes. Raises EPictureNotEncoded.
QByteArray EncodePicture(const QImage& picture, TPictureFormat format,
                         const TPictureMetadata& metadata = {});

// Encodes `picture` and writes it to `path` through SavePictureBytes.
void ExportPicture(const std::string& path, const QImage& picture, TPictureFormat format,
                   const TPictureMetadata& metadata = {});

// The drawn `picture` as `palette` colours it: the picture itself in the
// standard palette (the tile bitmaps' own), otherwise the tile art painted
// at its scale on white, the same size.
QImage PictureInPalette(const TMapState& state, const QImage& picture, TPalette palette);

// The whole file for the map of `state` in `format`: raster formats and the
// bitmaps look as EncodePicture of the drawn `picture` (PNG and JPEG as
// PictureInPalette gives it; a bitmap always the tile bitmaps'); SVG and PDF
// with the art look paint the tile art as vectors in `palette`. Raises
// EPictureNotEncoded.
QByteArray EncodeMap(const TMapState& state, const QImage& picture, TPictureFormat format,
                     TTileLook look, const TPictureMetadata& metadata = {},
                     TPalette palette = TPalette::Standard);

// Encodes the map as EncodeMap does and writes it to `path`.
void ExportMap(const std::string& path, const TMapState& state, const QImage& picture,
               TPictureFormat format, TTileLook look, const TPictureMetadata& metadata = {},
               TPalette palette = TPalette::Standard);

} // namespace tavrin
