#pragma once
// One command's engine state: the catalogue filled, the random generator
// seeded from the clock (as the program does at start-up), and the engine's
// messages written to the error stream, one a line with what would not show
// escaped, the command going on after each as it does in the window. The state is large, so it
// lives on the heap.

#include "map_state.h"
#include "session_core.h"
#include "terminal_text.h"

#include <memory>
#include <ostream>
#include <string_view>

namespace tavrin::cli {

class TStreamMessages : public IMessageSink {
public:
    explicit TStreamMessages(std::ostream& err) : err_(err) {}
    void ShowMessage(std::string_view text) override { err_ << TerminalLine(text) << '\n'; }

private:
    std::ostream& err_;
};

// The session core over the state takes the map a command works on, as the
// window's and the page's do.
struct TSession {
    explicit TSession(std::ostream& err) : messages(err) {}
    TStreamMessages messages;
    std::unique_ptr<TMapState> state = FreshState(messages);
    TSessionCore core{*state};

private:
    static std::unique_ptr<TMapState> FreshState(TStreamMessages& messages) {
        auto state = std::make_unique<TMapState>();
        InitTiles(*state);
        state->Messages = &messages;
        return state;
    }
};

} // namespace tavrin::cli
