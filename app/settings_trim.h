#pragma once
// A settings file the program wrote stays small: its lists are bounded. One
// far larger was edited or made by something else, and Qt reads every line
// of a settings file before the window can open (a million kept maps take
// seconds and hundreds of megabytes). Such a file is cut, before it is
// opened, to what the window would read of it: the first KeptMapLimit kept
// maps, the last HistoryLimit history entries, and at most
// MaxLinesPerSection lines of any other group. The file as it was stays
// beside it as "<file>.large"; nothing is said, as for any entry skipped.
//
// Works on the INI text Qt writes, line by line; a file of another format
// (the Windows registry, a macOS property list) is never passed here.

#include <QString>

inline constexpr qint64 LargeSettingsBytes = 1 << 20;
inline constexpr int MaxLinesPerSection = 1000;

// True when the file was cut.
bool TrimLargeSettingsFile(const QString& path);

// Where the program's own settings file lies on systems whose settings are
// an INI file; empty elsewhere.
QString IniSettingsPath();
