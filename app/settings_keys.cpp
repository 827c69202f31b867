#include "settings_keys.h"

#include <QSettings>
#include <utility>

namespace {

struct TMovedKey {
    const char* Old;
    const QString& New;
};

const TMovedKey MovedKeys[] = {
    {"map/createUntilCriteria", SettingsKey::CreateUntilCriteria},
    {"view/showCutOffClearings", SettingsKey::ShowCutOffClearings},
    {"view/mapFigures", SettingsKey::MapFigures},
};

} // namespace

tavrin::TPalette StoredPalette(const QSettings& settings) {
    const QByteArray name = settings.value(SettingsKey::Colours).toString().toLatin1();
    return tavrin::PaletteNamed(name.toStdString()).value_or(tavrin::TPalette::Standard);
}

void MigrateSettingsKeys(QSettings& settings) {
    for (const TMovedKey& moved : MovedKeys) {
        const QString old = QString::fromLatin1(moved.Old);
        if (!settings.contains(old))
            continue;
        // Where keys ignore case (the Windows registry) the old key and the
        // new one are the same: the value is read before the old key goes.
        const QVariant value = settings.value(settings.contains(moved.New) ? moved.New : old);
        settings.remove(old);
        settings.setValue(moved.New, value);
    }
}
