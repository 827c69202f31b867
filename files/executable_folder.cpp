#include "executable_folder.h"

#include <climits>
#include <unistd.h>

namespace tavrin {

std::string ExecutableFolder() {
    std::string self(PATH_MAX, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", self.data(), self.size());
    if (n <= 0 || static_cast<std::size_t>(n) == self.size())
        return ".";
    self.resize(static_cast<std::size_t>(n));
    const auto slash = self.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : self.substr(0, slash);
}

} // namespace tavrin
