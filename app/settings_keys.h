#pragma once
// Every key the window keeps in its settings, in one casing: groups and
// names in CamelCase ("View/Zoom"). Earlier versions wrote some keys in
// lower case ("view/mapFigures"); an INI file takes "View" and "view" for two
// groups, so those are read once and moved to their keys here.

#include "colour_palette.h"

#include <QString>

class QSettings;

namespace SettingsKey {

// What the window remembers about map files.
inline const QString RecentMaps = QStringLiteral("RecentMaps");
inline const QString LastFolder = QStringLiteral("LastFolder");

// The kept maps (an array of Name and Code, newest first) and the history
// (an array of Code, Seed, Map, File and Source, oldest first). Code is the
// map's share code.
inline const QString KeptMaps = QStringLiteral("KeptMaps");
inline const QString History = QStringLiteral("History");
inline const QString Name = QStringLiteral("Name");
inline const QString Code = QStringLiteral("Code");
inline const QString Seed = QStringLiteral("Seed");
inline const QString Map = QStringLiteral("Map");
inline const QString File = QStringLiteral("File");
inline const QString Source = QStringLiteral("Source");

// The view.
inline const QString Zoom = QStringLiteral("View/Zoom");
inline const QString Divider = QStringLiteral("View/Divider");
inline const QString ShowCutOffClearings = QStringLiteral("View/ShowCutOffClearings");
inline const QString MapFigures = QStringLiteral("View/MapFigures");
// The palette by its name ("standard", "colour-blind"), and whether the
// view shows the tile bitmaps rather than the art.
inline const QString Colours = QStringLiteral("View/Colours");
inline const QString TileBitmaps = QStringLiteral("View/TileBitmaps");

// Create Map Until's criteria, as tavrin-cli's --where reads them.
inline const QString CreateUntilCriteria = QStringLiteral("Map/CreateUntilCriteria");

// Where the web page is served, for map links (Share Map's setting).
inline const QString WebAddress = QStringLiteral("Share/WebAddress");

// The set-up sheet's print options.
inline const QString SheetTileBitmaps = QStringLiteral("Sheet/TileBitmaps");
inline const QString SheetTileMillimetres = QStringLiteral("Sheet/TileMillimetres");

} // namespace SettingsKey

// The palette the settings name; the standard one for none or an unknown
// name (a settings file edited by hand).
tavrin::TPalette StoredPalette(const QSettings& settings);

// Moves the keys earlier versions wrote to the keys above. A value already
// under the new key wins. Harmless to run again.
void MigrateSettingsKeys(QSettings& settings);
