// The window's commands that pass maps on and keep them: the share code and
// the classic map code on the clipboard, any map found in pasted text or in
// the program's argument (a file, a code, a tavrin: link), the Share Map
// dialog, and the kept maps.

#include "form1.h"
#include "kept_maps.h"
#include "map_code.h"
#include "map_link.h"
#include "map_string.h"
#include "share_code.h"
#include "share_dialog.h"
#include "stored_maps.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QSettings>
#include <QUrl>
#include <filesystem>
#include <system_error>

namespace {

const QString WebAddressKey = QStringLiteral("Share/WebAddress");

} // namespace

void TForm1::A_CopyMapCodeExecute() {
    if (MapInMemory())
        QGuiApplication::clipboard()->setText(
            QString::fromStdString(tavrin::ShareCode(tavrin::MakeMapString(State))));
}

void TForm1::A_CopyClassicMapCodeExecute() {
    if (MapInMemory())
        QGuiApplication::clipboard()->setText(MapCodeText(tavrin::MakeMapString(State)));
}

void TForm1::A_PasteMapCodeExecute() {
    OpenMapText(QGuiApplication::clipboard()->text(), tavrin::TTextSource::Clipboard);
}

// Shows the map the text holds, or says why there is none; the map shown
// stays then.
void TForm1::OpenMapText(const QString& text, tavrin::TTextSource source) {
    const tavrin::TOpenAnswer answer = MapSession.OpenText(text, source);
    if (!answer.Text.empty())
        Dialogs.ShowMessage(this, QString::fromStdString(answer.Text));
}

// A file (also as a file: URL) is loaded as Load Map loads it. Anything else
// that holds a map, a share code or a tavrin: link as a browser passes it,
// shows that map; what holds none is taken for a file after all, so that a
// missing file is answered as Load Map answers it.
void TForm1::OpenStartArgument(const QString& argument, const std::string& bytes) {
    RunCommand([this, &argument, &bytes] {
        const QUrl url(argument);
        const std::string path = url.isLocalFile() ? LocalPath(url.toLocalFile()) : bytes;
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::path(path), error)) {
            LoadMapPath(path);
            return;
        }
        const tavrin::TOpenAnswer answer =
            MapSession.OpenText(argument, tavrin::TTextSource::Argument);
        if (answer.End == tavrin::TOpenEnd::NoMapCode)
            LoadMapPath(path);
        else if (!answer.Text.empty())
            Dialogs.ShowMessage(this, QString::fromStdString(answer.Text));
    });
}

void TForm1::A_ShareMapExecute() {
    if (!MapInMemory())
        return;
    auto* dialog = new TShareDialog(tavrin::MakeMapString(State), SeedText(), Picture.Image(),
                                    WebAddress(), this);
    connect(dialog, &TShareDialog::WebAddressChanged, this,
            [this](const QString& address) { Settings.setValue(WebAddressKey, address); });
    dialog->show();
}

// Settings edited by hand may hold anything: an address that is not one is
// none, and links are tavrin: links.
QString TForm1::WebAddress() const {
    const std::string_view fallback = tavrin::DefaultWebAddress();
    const QString address =
        Settings
            .value(WebAddressKey, QString::fromUtf8(fallback.data(), qsizetype(fallback.size())))
            .toString();
    try {
        tavrin::WebAddress(address.toStdString());
        return address;
    } catch (const tavrin::EWebAddress&) {
        return {};
    }
}

// The map shown joins the kept maps under the name given; without one, under
// its seed naming or else its share code.
void TForm1::A_KeepMapExecute() {
    if (!MapInMemory())
        return;
    const std::string map = tavrin::MakeMapString(State);
    QString name = SeedText();
    if (!Dialogs.InputQuery(this, QStringLiteral("Keep Map"),
                            QStringLiteral("Name of the map (may be left empty):"), name))
        return;
    SayIfUnsaved(
        Kept.Add({tavrin::KeptMapName(name.toStdString(), SeedText().toStdString(), map), map}));
    UpdateKeptMenu();
}

void TForm1::OpenKeptMap(const tavrin::TKeptMap& map) {
    MapSession.LoadMapLine(map.MapString, QString(),
                           QStringLiteral("kept map ") +
                               QString::fromStdString(tavrin::ShownName(map.Name)));
}

void TForm1::RemoveKeptMap(const tavrin::TKeptMap& map) {
    SayIfUnsaved(Kept.Remove(map));
    UpdateKeptMenu();
}

// The first change of the kept maps or the history that could not be
// written is said, once: the maps stay in this window until it closes. Said
// after the command, whose map comes first.
void TForm1::SayIfUnsaved(bool saved) {
    if (saved || !Store.TakeUntoldFailure())
        return;
    QMetaObject::invokeMethod(
        this, [this] { Dialogs.ShowMessage(this, QString::fromLatin1(tavrin::StoreFailedText)); },
        Qt::QueuedConnection);
}

// Both menus are rebuilt after every change and whenever the Map menu opens,
// since another window may have changed the list; the old items are deleted
// later: the item chosen may be the one whose command rebuilds the menu.
// Each item holds its map, so a list changed meanwhile never opens or
// removes another.
void TForm1::UpdateKeptMenu() {
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
                [this, map] { RunCommand([this, &map] { OpenKeptMap(map); }); });
        QAction* remove = RemoveKeptMap1->addAction(shown);
        connect(remove, &QAction::triggered, this,
                [this, map] { RunCommand([this, &map] { RemoveKeptMap(map); }); });
    }
    KeptMaps1->setEnabled(!maps.empty());
    RemoveKeptMap1->setEnabled(!maps.empty());
}
