#include "command_context.h"

#include "map_link.h"
#include "map_texts.h"
#include "settings_keys.h"
#include "settings_store.h"
#include "stored_maps.h"

#include <QAction>
#include <QFile>
#include <QSettings>
#include <QStringDecoder>
#include <QWidget>
#include <exception>
#include <new>

std::string LocalPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

QString EngineText(std::string_view text) {
    const QByteArrayView bytes(text.data(), static_cast<qsizetype>(text.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return decoded;
}

// An error's sentence in the user's language: translated first, so that the
// full stop follows the translation's last character.
QString ErrorText(std::string_view message) {
    return EngineText(tavrin::ErrorSentence(CoreText(message).toStdString()));
}

void TCommandContext::Run(const std::function<void()>& command) const {
    try {
        command();
    } catch (const std::bad_alloc&) {
        Dialogs.ShowError(&Window, ErrorText("Out of memory"));
    } catch (const std::exception& error) {
        // The engine's errors (range, overflow), the file layer's (input and
        // output, invalid bitmap) and anything else: shown, never fatal.
        Dialogs.ShowError(&Window, ErrorText(error.what()));
    }
}

void TCommandContext::Bind(QAction* action, std::function<void()> command) const {
    QObject::connect(action, &QAction::triggered, action,
                     [this, command = std::move(command)] { Run(command); });
}

bool TCommandContext::MapInMemory() const {
    if (!State.MapPresent)
        Dialogs.ShowMessage(&Window, CoreText(NoMapText));
    return State.MapPresent;
}

void TCommandContext::SayIfUnsaved(bool saved) const {
    if (saved || !Store.TakeUntoldFailure())
        return;
    QMetaObject::invokeMethod(
        &Window,
        [this] { Dialogs.ShowMessage(&Window, QString::fromLatin1(tavrin::StoreFailedText)); },
        Qt::QueuedConnection);
}

// Settings edited by hand may hold anything: an address that is not one is
// none, and links are tavrin: links.
QString TCommandContext::WebAddress() const {
    const std::string_view fallback = tavrin::DefaultWebAddress();
    const QString address =
        Settings
            .value(SettingsKey::WebAddress,
                   QString::fromUtf8(fallback.data(), qsizetype(fallback.size())))
            .toString();
    try {
        tavrin::WebAddress(address.toStdString());
        return address;
    } catch (const tavrin::EWebAddress&) {
        return {};
    }
}
