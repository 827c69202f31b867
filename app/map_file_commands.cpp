#include "map_file_commands.h"

#include "bmp_file.h"
#include "file_read.h"
#include "file_save.h"
#include "in_out_error.h"
#include "map_file.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

TMapFileCommands::TMapFileCommands(const TCommandContext& context)
    : Context(context), Recent(context.Settings) {
    const QString mapFilter = tr("map files (*.tvm)|*.tvm|any files (*.*)|*.*");
    OpenDialog1 = {tr("Tavrin Map Files"), mapFilter, QStringLiteral("tvm"), false};
    SaveDialog1 = {tr("Tavrin Map Files"), mapFilter, QStringLiteral("tvm"), true};
    SaveDialog2 = {tr("Tavrin Map Files"), tr("bitmap files (*.bmp)|*.bmp|any files (*.*)|*.*"),
                   QStringLiteral("bmp"), true};
    RecentMaps1 = new QMenu(tr("&Recent Maps"), &Context.Window);
    RecentMaps1->setObjectName(QStringLiteral("RecentMaps1"));
    UpdateRecentMenu();
    Context.Window.setAcceptDrops(true);
    Context.Window.installEventFilter(this);
}

void TMapFileCommands::LoadMap() {
    if (Execute(OpenDialog1))
        LoadMapPath(LocalPath(OpenDialog1.FileName));
}

// Reads the file's first line and loads it; a file whose map is shown joins
// the recent maps, unless its name is in no encoding the menu can show and
// give back (the menu keeps names as text).
void TMapFileCommands::LoadMapPath(const std::string& path) {
    const std::string bytes = tavrin::ReadFileHead(path, tavrin::MapLineLimit);
    const QString name = QFile::decodeName(QByteArray::fromStdString(path));
    if (!Context.Session.LoadMapLine(tavrin::FirstLine(bytes), name))
        return;
    if (LocalPath(name) != path)
        return;
    Recent.Add(name);
    UpdateRecentMenu();
}

bool TMapFileCommands::AskSaveName(TFileDialog& dialog) {
    return Context.MapInMemory() && Execute(dialog);
}

void TMapFileCommands::SaveMap() {
    if (!AskSaveName(SaveDialog1))
        return;
    tavrin::SaveFile(LocalPath(SaveDialog1.FileName), tavrin::MapFileBytes(Context.State));
    Context.Session.MapSaved(SaveDialog1.FileName);
    Recent.Add(SaveDialog1.FileName);
    UpdateRecentMenu();
}

void TMapFileCommands::SaveBmp() {
    if (AskSaveName(SaveDialog2))
        tavrin::SaveBmpFile(LocalPath(SaveDialog2.FileName), Context.Picture.Image());
}

// A dialog that has chosen no file in this run opens in the folder that any
// of them used last, in this run or an earlier one.
bool TMapFileCommands::Execute(TFileDialog& dialog) {
    dialog.Folder = Recent.LastFolder();
    QWidget* window = &Context.Window;
    const QString name = dialog.Save ? Context.Dialogs.GetSaveFileName(window, dialog)
                                     : Context.Dialogs.GetOpenFileName(window, dialog);
    if (name.isEmpty())
        return false;
    dialog.FileName = name;
    Recent.SetLastFolderOf(name);
    return true;
}

// A recent map that cannot be read any more (moved, deleted, no longer
// readable) is answered with the file's error and leaves the list.
void TMapFileCommands::OpenRecentMap(const QString& path) {
    try {
        LoadMapPath(LocalPath(path));
    } catch (const tavrin::EInOutError&) {
        Recent.Remove(path);
        UpdateRecentMenu();
        throw;
    }
}

// The menu is rebuilt after every change. The old items are deleted later,
// not at once: the item that was chosen may be the one whose command is
// rebuilding the menu.
void TMapFileCommands::UpdateRecentMenu() {
    for (QAction* item : RecentMaps1->actions()) {
        RecentMaps1->removeAction(item);
        item->deleteLater();
    }
    const QStringList files = Recent.Files();
    for (qsizetype i = 0; i < files.size(); ++i) {
        QString shown = QDir::toNativeSeparators(files[i]);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = RecentMaps1->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        item->setStatusTip(files[i]);
        connect(item, &QAction::triggered, this,
                [this, path = files[i]] { Context.Run([this, path] { OpenRecentMap(path); }); });
    }
    RecentMaps1->setEnabled(!files.isEmpty());
}

namespace {

// The name (its bytes) of the first local .tvm file among dropped URLs;
// empty when there is none. The bytes come from the URL's percent-encoding,
// never through text, so a name in no known encoding is kept as it is.
std::string DroppedMapPath(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QByteArray path =
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        const qsizetype slash = path.lastIndexOf('/');
        const QByteArray name = path.mid(slash + 1);
        if (name.size() > 4 && name.right(4).toLower() == ".tvm")
            return path.toStdString();
    }
    return {};
}

} // namespace

// A dropped map file is loaded once the drop has ended: a message box must
// not hold the program the file came from in the middle of its drag.
bool TMapFileCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &Context.Window ||
        (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop))
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const std::string path = DroppedMapPath(drop->mimeData());
    if (path.empty())
        return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        QMetaObject::invokeMethod(
            this, [this, path] { Context.Run([this, &path] { LoadMapPath(path); }); },
            Qt::QueuedConnection);
    return true;
}
