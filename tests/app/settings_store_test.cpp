// The lists every window shares through one settings file: windows that keep
// maps and show maps in any order never lose each other's, a settings file
// that holds anything is read within bounds, and one that cannot be written
// keeps the maps in memory and says so once.

#include "history_store.h"
#include "kept_maps.h"
#include "map_history.h"
#include "settings_keys.h"
#include "settings_store.h"
#include "settings_trim.h"
#include "share_code.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace {

// A map string of its own for every n below 26 * 26, each rotation one the
// tiles take.
std::string Map(int n) {
    std::string map;
    for (int tile = 0; tile < 20; ++tile) {
        map += static_cast<char>(tile == 0 ? 'A' + n % 26 : 'a' + tile);
        map += static_cast<char>(tile == 0 ? 'A' + n / 26 % 26 : 'b');
        map += static_cast<char>('e' + (n + tile) % 6);
    }
    return map;
}

QString Code(int n) {
    return QString::fromStdString(tavrin::ShareCode(Map(n)));
}

// One window's part: its own settings object over the shared file, its
// stores, and its session's history.
struct TWindow {
    QSettings Settings;
    TSettingsStore Store{Settings};
    TKeptMaps Kept{Store};
    THistoryStore Stored{Store};
    TMapHistory History;

    explicit TWindow(const QString& file) : Settings(file, QSettings::IniFormat) {
        History.Restore(Stored.Read());
    }
    void Follow() { EXPECT_TRUE(Stored.Follow(History.Kept())); }
};

// Each change of a list writes the settings file and waits for the disk;
// a folder in memory, where there is one, keeps the many changes quick.
QString TestFolder() {
    const QString memory = QStringLiteral("/dev/shm");
    return (QDir(memory).exists() ? memory : QDir::tempPath()) + QStringLiteral("/tavrin-XXXXXX");
}

class SettingsStore : public testing::Test {
protected:
    QTemporaryDir Dir{TestFolder()};
    QString File() const { return Dir.filePath(QStringLiteral("settings.ini")); }
    void WriteIni(const QByteArray& text) {
        QFile file(File());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
};

bool IsSubsequence(const std::deque<THistoryEntry>& part, const std::deque<THistoryEntry>& whole) {
    auto at = whole.begin();
    for (const THistoryEntry& entry : part) {
        at = std::find(at, whole.end(), entry);
        if (at == whole.end())
            return false;
        ++at;
    }
    return true;
}

// Two windows keep, remove and show maps, go back and forward and save, in
// random turns: the stored kept maps are every map kept and not removed,
// newest first, and the stored history holds what each window's history
// keeps, each in its own order, and nothing else.
TEST_F(SettingsStore, TwoWindowsNeverLoseEachOthersMaps) {
    std::mt19937 random(2024);
    for (int round = 0; round < 8; ++round) {
        QFile::remove(File());
        TWindow windows[2] = {TWindow(File()), TWindow(File())};
        std::vector<tavrin::TKeptMap> kept; // what both windows kept, newest first
        int next = 0;
        for (int step = 0; step < 40; ++step) {
            TWindow& window = windows[random() % 2];
            switch (random() % 6) {
            case 0:
            case 1:
                window.History.Add({Map(next++), std::nullopt, {}, "pasted code"});
                window.Follow();
                break;
            case 2:
                if (window.History.CanGoBack())
                    window.History.Back();
                window.Follow();
                break;
            case 3:
                if (window.History.CanGoForward())
                    window.History.Forward();
                else if (window.History.Current())
                    window.History.NameCurrent("/maps/" + std::to_string(step) + ".tvm");
                window.Follow();
                break;
            case 4: {
                const tavrin::TKeptMap map{"map " + std::to_string(next), Map(next)};
                ++next;
                EXPECT_TRUE(window.Kept.Add(map));
                kept.insert(kept.begin(), map);
                break;
            }
            case 5: {
                const std::vector<tavrin::TKeptMap> shown = window.Kept.Maps();
                if (shown.empty())
                    break;
                const tavrin::TKeptMap& map = shown[random() % shown.size()];
                std::erase(kept, map);
                EXPECT_TRUE(window.Kept.Remove(map));
                break;
            }
            }
        }
        const TWindow restarted(File());
        EXPECT_EQ(restarted.Kept.Maps(), kept) << "round " << round;
        const std::deque<THistoryEntry> stored = restarted.History.Kept();
        EXPECT_EQ(stored.size(),
                  windows[0].History.Kept().size() + windows[1].History.Kept().size())
            << "round " << round;
        for (const TWindow& window : windows)
            EXPECT_TRUE(IsSubsequence(window.History.Kept(), stored)) << "round " << round;
    }
}

// A settings file holding anything: lists claiming more than they hold, far
// longer than the limits, entries that are no maps, names and file names of
// any length. Reading stays within the limits and keeps the maps that read.
TEST_F(SettingsStore, HostileValuesAreReadWithinBounds) {
    auto entries = [](const char* list, int from, int to, const QByteArray& extra = {}) {
        QByteArray text = QByteArray("[") + list + "]\n";
        for (int i = from; i <= to; ++i)
            text += QByteArray::number(i) + "\\Code=" + Code(i % 600).toLatin1() + "\n" +
                    QByteArray::number(i) + extra;
        return text;
    };
    const QByteArray invalidRotation =
        QByteArray::fromStdString(tavrin::ShareCode(std::string(60, 'z')));
    const QByteArray longName = "1\\Name=" + QByteArray(10000, 'x') + "\n";
    struct TCase {
        const char* Name;
        QByteArray Ini;
        std::size_t KeptMaps;
        std::size_t History;
    };
    const TCase cases[] = {
        {"four billion claimed",
         "[KeptMaps]\n1\\Code=" + Code(1).toLatin1() +
             "\nsize=4294967295\n[History]\nsize=4294967295\n",
         0, 0},
        {"the largest size claimed",
         entries("KeptMaps", 1, 3, "\\Name=n\n") + "size=2147483647\n" +
             entries("History", 1, 3, "\\Map=1\n") + "size=2147483647\n",
         3, 0},
        {"longer than the limits",
         entries("KeptMaps", 1, 150, "\\Name=n\n") + "size=150\n" +
             entries("History", 1, 150, "\\Map=1\n") + "size=150\n",
         100, 100},
        {"no maps",
         "[KeptMaps]\n1\\Code=no code\n2\\Code=" + invalidRotation +
             "\n3\\Code=\n4\\Code=" + QByteArray(100000, '7') +
             "\nsize=4\n[History]\n1\\Code=" + invalidRotation + "\nsize=1\n",
         0, 0},
        {"names and files of any length",
         entries("KeptMaps", 1, 1) + longName + "size=1\n" + entries("History", 1, 1, "\\File=") +
             QByteArray(5000, 'f') + "\n1\\Seed=x\nsize=1\n",
         1, 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        WriteIni(c.Ini);
        const TWindow window(File());
        EXPECT_EQ(window.Kept.Maps().size(), c.KeptMaps);
        const std::deque<THistoryEntry> history = window.History.Kept();
        ASSERT_EQ(history.size(), c.History);
        for (const THistoryEntry& entry : history)
            EXPECT_LE(entry.File.size(), tavrin::StoredPathLength);
    }
}

// A settings file that cannot be written (here its folder is a file) keeps
// the maps kept in memory, and the failure is told once.
TEST_F(SettingsStore, UnwritableFileKeepsTheMapsAndTellsOnce) {
    QFile blocker(Dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    TWindow window(blocker.fileName() + QStringLiteral("/settings.ini"));
    EXPECT_FALSE(window.Kept.Add({"first", Map(1)}));
    EXPECT_FALSE(window.Kept.Add({"second", Map(2)}));
    EXPECT_EQ(window.Kept.Maps().size(), 2u);
    EXPECT_TRUE(window.Store.TakeUntoldFailure());
    EXPECT_FALSE(window.Store.TakeUntoldFailure());
}

// Keys of earlier versions move to their present names; a value already
// under the present name wins.
TEST_F(SettingsStore, OldKeysMoveToTheirPresentNames) {
    WriteIni("[map]\ncreateUntilCriteria=rows<=5\n[view]\nmapFigures=true\n"
             "[View]\nMapFigures=false\n");
    QSettings settings(File(), QSettings::IniFormat);
    const TSettingsStore store(settings);
    EXPECT_EQ(settings.value(SettingsKey::CreateUntilCriteria).toString(), "rows<=5");
    EXPECT_EQ(settings.value(SettingsKey::MapFigures).toBool(), false);
    EXPECT_FALSE(settings.contains(QStringLiteral("map/createUntilCriteria")));
    EXPECT_FALSE(settings.contains(QStringLiteral("view/mapFigures")));
}

// A file far larger than the program writes is cut, before it is opened, to
// what the window reads of it; the file as it was stays beside it.
TEST_F(SettingsStore, LargeFileIsCutToWhatTheWindowReads) {
    QByteArray text =
        "[General]\nLastFolder=/maps\n[KeptMaps]\n1\\Code=" + Code(1).toLatin1() + "\n";
    for (int i = 2; i <= 100000; ++i)
        text += QByteArray::number(i) + "\\Code=NOT-A-MAP\n";
    text += "size=100000\n[History]\n";
    for (int i = 1; i <= 150; ++i)
        text += QByteArray::number(i) + "\\Code=" + Code(i).toLatin1() + "\n";
    WriteIni(text + "size=150\n");
    ASSERT_TRUE(TrimLargeSettingsFile(File()));
    EXPECT_EQ(QFileInfo(File() + ".large").size(), text.size() + 9);
    EXPECT_LT(QFileInfo(File()).size(), LargeSettingsBytes / 10);
    const TWindow window(File());
    EXPECT_EQ(window.Kept.Maps().size(), 1u);
    ASSERT_EQ(window.History.Kept().size(), tavrin::HistoryLimit);
    EXPECT_EQ(window.History.Kept().front().MapString, Map(51));
    EXPECT_EQ(window.Settings.value(SettingsKey::LastFolder).toString(), "/maps");
    EXPECT_FALSE(TrimLargeSettingsFile(File()));
}

// The file cut before the program opens its settings is the one Qt opens.
TEST_F(SettingsStore, TheFileCutIsTheProgramsSettingsFile) {
    qputenv("XDG_CONFIG_HOME", Dir.path().toLocal8Bit());
    const QSettings native(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavrin"),
                           QStringLiteral("tavrin-map-generator"));
    EXPECT_EQ(native.fileName(), IniSettingsPath());
}

} // namespace
