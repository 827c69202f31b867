#pragma once
// Small parsing helpers for tavrin-cli; every failure is an ETavrinError
// carrying the one line shown on stderr.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavrin::cli {

// The arguments of one command: options (--name value, or --flag) and the
// positional words, in order.
class TArguments {
public:
    // `valued` lists the options that take a value, `flags` those that do not.
    TArguments(const std::vector<std::string>& args, std::size_t first,
               const std::vector<std::string>& valued, const std::vector<std::string>& flags);

    std::optional<std::string> Option(const std::string& name) const;
    bool Flag(const std::string& name) const;
    const std::vector<std::string>& Positional() const { return positional_; }

private:
    std::vector<std::pair<std::string, std::string>> options_;
    std::vector<std::string> flags_;
    std::vector<std::string> positional_;
};

// A whole decimal number in [low, high]; `what` names it in the error.
std::int64_t ParseNumber(const std::string& text, std::int64_t low, std::int64_t high,
                         const std::string& what);

// A tile by number 1..20 or by its file-name token (case-sensitive).
std::uint8_t ParseTile(const std::string& text);

// The refusal of a word after `command`, which takes none.
std::string TakesNoWord(const std::string& command, const TArguments& args);

} // namespace tavrin::cli
