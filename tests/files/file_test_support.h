#pragma once
// A fresh folder per test, file helpers that do not go through the file
// layer, and a way to act as an ordinary user when the tests run as root.

#include "in_out_error.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrin::test {

class FileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tavrin-files-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir_ = pattern;
        ::chmod(dir_.c_str(), 0777); // the ordinary user of AsOrdinaryUser may write here
    }
    void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // The names in the test's folder, one per line, sorted.
    std::string Listing() const {
        std::string names;
        const std::string command = "ls -A '" + dir_ + "'";
        FILE* ls = ::popen(command.c_str(), "r");
        for (int c; (c = std::fgetc(ls)) != EOF;)
            names += static_cast<char>(c);
        ::pclose(ls);
        return names;
    }

    // The text of the EInOutError `action` raises, "no error" when none.
    template <typename Action> static std::string ErrorText(Action&& action) {
        try {
            action();
        } catch (const EInOutError& e) {
            return e.what();
        }
        return "no error";
    }

    std::string dir_;
};

// Root passes every permission check: meanwhile act as the user "nobody".
// A root in a user namespace that does not map "nobody" is refused that;
// the test then skips, as Refused tells it.
class AsOrdinaryUser {
public:
    AsOrdinaryUser() : switched_(::geteuid() == 0 && ::seteuid(65534) == 0) {}
    ~AsOrdinaryUser() {
        if (switched_ && ::seteuid(0) != 0)
            std::abort();
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

    // Still root: permission checks that must fail would pass.
    bool Refused() const { return !switched_ && ::geteuid() == 0; }
    static constexpr const char* RefusedText = "the system refuses to let root act as another user";

private:
    bool switched_;
};

} // namespace tavrin::test
