#include "interrupted_saves.h"

#include <array>
#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace tavrin::files {
namespace {

// A slot is claimed by one save, filled, then marked ready; the handler
// reads only ready slots, with nothing but atomics and unlink, which may be
// called from a signal handler.
struct TSlot {
    std::atomic<bool> Claimed{false};
    std::atomic<bool> Ready{false};
    char Path[PATH_MAX] = {};
};

std::array<TSlot, MaxSavesInProgress> Slots;

constexpr std::array<int, 3> Signals{SIGINT, SIGTERM, SIGHUP};

void RemoveSavesInProgress(int signal) {
    for (TSlot& slot : Slots)
        if (slot.Ready.load(std::memory_order_acquire))
            ::unlink(slot.Path);
    // Ended as the signal would have ended the program without us.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void InstallHandlers() {
    for (const int signal : Signals) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL ||
            (current.sa_flags & SA_SIGINFO) != 0)
            continue;
        struct sigaction remove {};
        remove.sa_handler = RemoveSavesInProgress;
        sigemptyset(&remove.sa_mask);
        for (const int other : Signals)
            sigaddset(&remove.sa_mask, other);
        ::sigaction(signal, &remove, nullptr);
    }
}

} // namespace

int RegisterSaveInProgress(const std::string& tempPath) {
    InstallHandlers(); // again at each save: the program may have reset the actions since
    if (tempPath.size() >= PATH_MAX)
        return -1;
    for (std::size_t i = 0; i < Slots.size(); ++i) {
        bool free = false;
        if (!Slots[i].Claimed.compare_exchange_strong(free, true))
            continue;
        std::memcpy(Slots[i].Path, tempPath.c_str(), tempPath.size() + 1);
        Slots[i].Ready.store(true, std::memory_order_release);
        return static_cast<int>(i);
    }
    return -1;
}

void ReleaseSaveInProgress(int slot) {
    if (slot < 0)
        return;
    Slots[static_cast<std::size_t>(slot)].Ready.store(false, std::memory_order_release);
    Slots[static_cast<std::size_t>(slot)].Claimed.store(false, std::memory_order_release);
}

} // namespace tavrin::files
