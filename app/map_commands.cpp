#include "map_commands.h"

#include "map_code.h"
#include "map_file_commands.h"
#include "map_seed.h"
#include "map_string.h"
#include "settings_keys.h"
#include "share_code.h"
#include "share_dialog.h"
#include "stored_maps.h"
#include "translatable.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QSettings>
#include <QUrl>
#include <filesystem>
#include <system_error>

namespace {

QMenu* NamedMenu(const QString& title, const char* name, QWidget* window) {
    auto* menu = new QMenu(title, window);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

TMapCommands::TMapCommands(const TCommandContext& context, TMapFileCommands& files)
    : Context(context), Files(files), Kept(context.Store) {
    KeptMaps1 = NamedMenu(tr("Kep&t Maps"), "KeptMaps1", &Context.Window);
    RemoveKeptMap1 = NamedMenu(tr("&Remove Kept Map"), "RemoveKeptMap1", &Context.Window);
    UpdateKeptMenu();
}

void TMapCommands::CopyMapCode() {
    if (Context.MapInMemory())
        QGuiApplication::clipboard()->setText(QString::fromStdString(
            tavrin::ShareCode(tavrin::MakeMapString(Context.State), Context.Session.Pins())));
}

void TMapCommands::CopyClassicMapCode() {
    if (Context.MapInMemory())
        QGuiApplication::clipboard()->setText(MapCodeText(tavrin::MakeMapString(Context.State)));
}

void TMapCommands::PasteMapCode() {
    OpenMapText(QGuiApplication::clipboard()->text(), tavrin::TTextSource::Clipboard);
}

// Shows the map the text holds, or says why there is none; the map shown
// stays then.
void TMapCommands::OpenMapText(const QString& text, tavrin::TTextSource source) {
    const tavrin::TOpenAnswer answer = Context.Session.OpenText(text, source);
    if (!answer.Text.empty())
        Context.Dialogs.ShowMessage(&Context.Window, CoreText(answer.Text));
}

// A file (also as a file: URL) is loaded as Load Map loads it. Anything else
// that holds a map, a share code or a tavrin: link as a browser passes it,
// shows that map; what holds none is taken for a file after all, so that a
// missing file is answered as Load Map answers it.
void TMapCommands::OpenStartArgument(const QString& argument, const std::string& bytes) {
    Context.Run([this, &argument, &bytes] {
        const QUrl url(argument);
        const std::string path = url.isLocalFile() ? LocalPath(url.toLocalFile()) : bytes;
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::path(path), error)) {
            Files.LoadMapPath(path);
            return;
        }
        const tavrin::TOpenAnswer answer =
            Context.Session.OpenText(argument, tavrin::TTextSource::Argument);
        if (answer.End == tavrin::TOpenEnd::NoMapCode)
            Files.LoadMapPath(path);
        else if (!answer.Text.empty())
            Context.Dialogs.ShowMessage(&Context.Window, CoreText(answer.Text));
    });
}

void TMapCommands::ShareMap() {
    if (!Context.MapInMemory())
        return;
    auto* dialog =
        new TShareDialog(tavrin::MakeMapString(Context.State), Context.Session.SeedText(),
                         Context.Picture.Image(), Context.WebAddress(), &Context.Window);
    connect(dialog, &TShareDialog::WebAddressChanged, this, [this](const QString& address) {
        Context.Settings.setValue(SettingsKey::WebAddress, address);
    });
    dialog->show();
}

void TMapCommands::CreateMapFromSeed() {
    const std::optional<std::uint32_t> last = Context.Session.SequenceSeed();
    QString entry = last ? QString::number(*last) : QString();
    if (!Context.Dialogs.InputQuery(&Context.Window, tr("Create Map from Seed"),
                                    tr("Seed (0 to 4294967295):"), entry))
        return;
    const std::optional<std::uint32_t> seed = ParseSeed(entry.toStdString());
    if (!seed) {
        Context.Dialogs.ShowMessage(&Context.Window, CoreText(SeedRangeText));
        return;
    }
    Context.Session.CreateMapFromSeed(*seed);
}

void TMapCommands::Back() {
    Context.Session.Back();
}

void TMapCommands::Forward() {
    Context.Session.Forward();
}

void TMapCommands::KeepMap() {
    if (!Context.MapInMemory())
        return;
    const std::string map = tavrin::MakeMapString(Context.State);
    QString name = Context.Session.SeedText();
    if (!Context.Dialogs.InputQuery(&Context.Window, tr("Keep Map"),
                                    tr("Name of the map (may be left empty):"), name))
        return;
    Context.SayIfUnsaved(Kept.Add(
        {tavrin::KeptMapName(name.toStdString(), Context.Session.SeedText().toStdString(), map),
         map}));
    UpdateKeptMenu();
}

void TMapCommands::OpenKeptMap(const tavrin::TKeptMap& map) {
    // Kept in the history as the core's English text, shown translated.
    Context.Session.LoadMapLine(
        map.MapString, QString(),
        QString::fromStdString(
            tavrin::FillText(TAVRIN_TEXT("Core", "kept map %1"), {tavrin::ShownName(map.Name)})));
}

void TMapCommands::RemoveKeptMap(const tavrin::TKeptMap& map) {
    Context.SayIfUnsaved(Kept.Remove(map));
    UpdateKeptMenu();
}

// Both menus are rebuilt after every change and whenever the Map menu opens,
// since another window may have changed the list; the old items are deleted
// later: the item chosen may be the one whose command rebuilds the menu.
// Each item holds its map, so a list changed meanwhile never opens or
// removes another.
void TMapCommands::UpdateKeptMenu() {
    for (QMenu* menu : {KeptMaps1, RemoveKeptMap1}) {
        for (QAction* item : menu->actions()) {
            menu->removeAction(item);
            item->deleteLater();
        }
    }
    const std::vector<tavrin::TKeptMap> maps = Kept.Maps();
    for (const tavrin::TKeptMap& map : maps) {
        QString shown = QString::fromStdString(tavrin::ShownName(map.Name));
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* open = KeptMaps1->addAction(shown);
        connect(open, &QAction::triggered, this,
                [this, map] { Context.Run([this, &map] { OpenKeptMap(map); }); });
        QAction* remove = RemoveKeptMap1->addAction(shown);
        connect(remove, &QAction::triggered, this,
                [this, map] { Context.Run([this, &map] { RemoveKeptMap(map); }); });
    }
    KeptMaps1->setEnabled(!maps.empty());
    RemoveKeptMap1->setEnabled(!maps.empty());
}
