// What the settings cost the window's start: cutting a file far too large,
// opening it and reading the kept maps and the history from it, for a file as the program
// writes it (100 of each) and for a hostile one of a million kept maps that
// are no maps. Qt reads the whole file when the settings open, so a file
// far too large is cut first; the window looks at no more than the limits. Not run by CTest; run
// build/bin/settings_bench.

#include "history_store.h"
#include "kept_maps.h"
#include "settings_store.h"
#include "settings_trim.h"
#include "share_code.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir& Folder() {
    static QTemporaryDir folder;
    return folder;
}

// A settings file with `kept` kept maps (valid or not) and 100 history
// entries; written once per size.
QString SettingsFile(int kept, bool valid) {
    const QString path =
        Folder().filePath(QStringLiteral("settings-%1-%2.ini").arg(kept).arg(valid));
    if (QFile::exists(path))
        return path;
    const std::string code = tavrin::ShareCode(std::string(60, 'e'));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray text = "[History]\n";
    for (int i = 1; i <= 100; ++i)
        text += QByteArray::number(i) + "\\Code=" + code.c_str() + "\n";
    text += "size=100\n[KeptMaps]\n";
    for (int i = 1; i <= kept; ++i) {
        text += QByteArray::number(i) + "\\Code=" + (valid ? code.c_str() : "NOT-A-MAP") + "\n";
        text += QByteArray::number(i) + "\\Name=map " + QByteArray::number(i) + "\n";
        if (text.size() > (1 << 20)) {
            file.write(text);
            text.clear();
        }
    }
    file.write(text + "size=" + QByteArray::number(kept) + "\n");
    return path;
}

// As the program starts: a file far too large is cut first (a fresh copy
// each time), then opened.
void BM_OpenSettingsAndReadTheLists(benchmark::State& state) {
    const QString original = SettingsFile(static_cast<int>(state.range(0)), state.range(1) != 0);
    const QString path = Folder().filePath(QStringLiteral("settings.ini"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        QFile::copy(original, path);
        state.ResumeTiming();
        TrimLargeSettingsFile(path);
        QSettings settings(path, QSettings::IniFormat);
        TSettingsStore store(settings);
        benchmark::DoNotOptimize(TKeptMaps(store).Maps());
        benchmark::DoNotOptimize(THistoryStore(store).Read());
    }
}
BENCHMARK(BM_OpenSettingsAndReadTheLists)
    ->Args({100, 1})
    ->Args({1000000, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
