#include "in_out_error.h"

#include "translatable.h"

#include <cerrno>

namespace tavrin {

EInOutError::EInOutError(int code, std::string path)
    : EFileError(TextFor(code), std::move(path)), code_(code) {}

std::string EInOutError::TextFor(int code) {
    switch (code) {
    case 2:
        return TAVRIN_TEXT("Core", "File not found");
    case 3:
        return TAVRIN_TEXT("Core", "Invalid filename");
    case 4:
        return TAVRIN_TEXT("Core", "Too many open files");
    case 5:
        return TAVRIN_TEXT("Core", "File access denied");
    case 100:
        return TAVRIN_TEXT("Core", "Read beyond end of file");
    case 101:
        return TAVRIN_TEXT("Core", "Disk full");
    case 106:
        return TAVRIN_TEXT("Core", "Invalid numeric input");
    default:
        return FillText(TAVRIN_TEXT("Core", "I/O error %1"), {std::to_string(code)});
    }
}

int InOutCode(int errnoValue) {
    switch (errnoValue) {
    case ENOENT:
        return 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return 5;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return 101;
    default:
        break;
    }
    switch (errnoValue) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 100:
    case 101:
    case 106:
        return 1000 + errnoValue;
    default:
        return errnoValue;
    }
}

void ThrowInOutError(int errnoValue, const std::string& path) {
    throw EInOutError(InOutCode(errnoValue), path);
}

} // namespace tavrin
