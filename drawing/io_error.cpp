#include "io_error.h"

#include "errors.h"

#include <QDir>
#include <QFileInfo>

namespace tavrin {

int InOutErrorCode(QFileDevice::FileError error, const QString& path, bool writing) {
    switch (error) {
    case QFileDevice::OpenError: {
        const QFileInfo info(path);
        if (writing)
            return info.absoluteDir().exists() ? 5 : 3;
        return info.exists() ? 5 : 2;
    }
    case QFileDevice::PermissionsError:
    case QFileDevice::RenameError:
    case QFileDevice::RemoveError:
    case QFileDevice::CopyError:
        return 5;
    case QFileDevice::ReadError:
        return 100;
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return 101;
    default:
        // Failures with no code of their own are told apart by Qt's number,
        // lifted clear of the codes above.
        return 1000 + static_cast<int>(error);
    }
}

void ThrowInOutError(const QFileDevice& file, bool writing) {
    throw EInOutError(InOutErrorCode(file.error(), file.fileName(), writing));
}

} // namespace tavrin
