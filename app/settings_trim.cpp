#include "settings_trim.h"

#include "settings_keys.h"
#include "stored_maps.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

std::string_view Trimmed(std::string_view line) {
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
        line.remove_suffix(1);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front())))
        line.remove_prefix(1);
    return line;
}

// The group a line opens ("[KeptMaps]" opens KeptMaps); none for other lines.
std::optional<std::string_view> SectionOf(std::string_view line) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return line.substr(1, line.size() - 2);
}

// The index of an array entry's line ("12\Code=..." is 12); 0 for any other.
std::int64_t IndexOf(std::string_view line) {
    std::int64_t index = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), index);
    return error == std::errc() && end != line.data() + line.size() && *end == '\\' ? index : 0;
}

// Calls `each` with every line of `text`, its end of line included.
template <typename Each> void ForEachLine(std::string_view text, Each each) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
        each(text.substr(0, length));
        text.remove_prefix(length);
    }
}

bool Is(std::string_view section, const QString& key) {
    return QLatin1StringView(section.data(), static_cast<qsizetype>(section.size())) == key;
}

} // namespace

bool TrimLargeSettingsFile(const QString& path) {
    if (QFileInfo(path).size() <= LargeSettingsBytes)
        return false;
    QLockFile lock(path + QStringLiteral(".lists.lock"));
    lock.tryLock(5000);
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const uchar* mapped = in.map(0, in.size());
    if (!mapped)
        return false;
    const std::string_view text(reinterpret_cast<const char*>(mapped),
                                static_cast<std::size_t>(in.size()));

    // The history's newest entries are the ones read: its claimed size
    // says which.
    std::int64_t historySize = 0;
    std::string_view section;
    ForEachLine(text, [&](std::string_view line) {
        line = Trimmed(line);
        if (const auto opened = SectionOf(line))
            section = *opened;
        else if (Is(section, SettingsKey::History) && line.starts_with("size="))
            std::from_chars(line.data() + 5, line.data() + line.size(), historySize);
    });

    QSaveFile out(path + QStringLiteral(".trimmed"));
    if (!out.open(QIODevice::WriteOnly))
        return false;
    int sectionLines = 0;
    section = {};
    ForEachLine(text, [&](std::string_view whole) {
        const std::string_view line = Trimmed(whole);
        bool keep = true;
        if (const auto opened = SectionOf(line)) {
            section = *opened;
            sectionLines = 0;
        } else if (const std::int64_t index = IndexOf(line);
                   index > 0 && Is(section, SettingsKey::KeptMaps)) {
            keep = index <= static_cast<std::int64_t>(tavrin::KeptMapLimit);
        } else if (index > 0 && Is(section, SettingsKey::History)) {
            keep = index > historySize - static_cast<std::int64_t>(tavrin::HistoryLimit) &&
                   index <= historySize;
        } else {
            keep = line.starts_with("size=") || ++sectionLines <= MaxLinesPerSection;
        }
        if (keep)
            out.write(whole.data(), static_cast<qint64>(whole.size()));
    });
    in.close();
    if (!out.commit())
        return false;
    const QString large = path + QStringLiteral(".large");
    QFile::remove(large);
    return QFile::rename(path, large) && QFile::rename(path + QStringLiteral(".trimmed"), path);
}

QString IniSettingsPath() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Where QSettings keeps the native settings of organisation "Tavrin",
    // application "tavrin-map-generator".
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tavrin/tavrin-map-generator.conf");
#else
    return {};
#endif
}
