#pragma once
// An error about one file: what() is the text the user sees, exactly as the
// window shows it; Path() names the file for tools that report several files
// (tavrin-cli prints "path: text").

#include <stdexcept>
#include <string>

namespace tavrin {

class EFileError : public std::runtime_error {
public:
    EFileError(const std::string& text, std::string path)
        : std::runtime_error(text), path_(std::move(path)) {}

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

} // namespace tavrin
