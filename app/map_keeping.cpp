// The window's commands that revisit and reopen maps: the maps of a seed,
// Back and Forward through the session's maps, the recent map files, and map
// files given at start or dropped on the window. The session takes every
// map; the window lists and draws it when the session says the map has
// changed.

#include "form1.h"
#include "in_out_error.h"
#include "map_string.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>

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

// Sets the random generator to the seed given and makes its first map; the
// following Create Maps go on with that seed's sequence.
void TForm1::A_CreateMapFromSeedExecute() {
    const std::optional<std::uint32_t> last = MapSession.SequenceSeed();
    QString entry = last ? QString::number(*last) : QString();
    if (!Dialogs.InputQuery(this, QStringLiteral("Create Map from Seed"),
                            QStringLiteral("Seed (0 to 4294967295):"), entry))
        return;
    const std::optional<std::uint32_t> seed = ParseSeed(entry.toStdString());
    if (!seed) {
        Dialogs.ShowMessage(this, QString::fromLatin1(SeedRangeText));
        return;
    }
    MapSession.CreateMapFromSeed(*seed);
}

void TForm1::A_BackExecute() {
    MapSession.Back();
}

void TForm1::A_ForwardExecute() {
    MapSession.Forward();
}

QString TForm1::SeedText() const {
    return MapSession.SeedText();
}

// A recent map that cannot be read any more (moved, deleted, no longer
// readable) is answered with the file's error and leaves the list.
void TForm1::OpenRecentMap(const QString& path) {
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
void TForm1::UpdateRecentMenu() {
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
                [this, path = files[i]] { RunCommand([this, path] { OpenRecentMap(path); }); });
    }
    RecentMaps1->setEnabled(!files.isEmpty());
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedMapPath(event->mimeData()).empty())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const std::string path = DroppedMapPath(event->mimeData());
    if (path.empty())
        return;
    event->acceptProposedAction();
    // Loaded once the drop has ended: a message box must not hold the
    // program the file came from in the middle of its drag.
    QMetaObject::invokeMethod(
        this, [this, path] { RunCommand([this, &path] { LoadMapPath(path); }); },
        Qt::QueuedConnection);
}
