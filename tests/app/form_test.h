#pragma once
// The set-up the window tests share: a fresh engine state with a fixed seed,
// dialogs that answer at once, settings in a temporary file (never the
// user's), and the window shown on the offscreen platform with an empty tile
// folder, so every drawing reports its missing bitmaps instead of reading the
// user's art.

#include "fake_user_dialogs.h"
#include "form1.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class TFormTest : public QObject {
protected:
    std::unique_ptr<tavrin::TMapState> State;
    std::unique_ptr<TFakeUserDialogs> Dialogs;
    std::unique_ptr<QSettings> Settings;
    std::unique_ptr<TForm1> Form;
    std::unique_ptr<QTemporaryDir> TileDir; // holds no bitmaps unless a test writes some

    // Call from the test's init() and cleanup().
    void StartForm(std::uint32_t seed = 12345) {
        State = std::make_unique<tavrin::TMapState>();
        tavrin::InitTiles(*State, seed);
        Dialogs = std::make_unique<TFakeUserDialogs>();
        TileDir = std::make_unique<QTemporaryDir>();
        Settings =
            std::make_unique<QSettings>(TileDir->filePath("settings.ini"), QSettings::IniFormat);
        Form = std::make_unique<TForm1>(*State, *Dialogs, *Settings);
        Form->SetTileFolder(TileDir->path());
        Form->show();
        QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    }
    void StopForm() {
        Form.reset();
        Settings.reset();
        Dialogs.reset();
        State.reset();
        TileDir.reset();
    }

    template <typename T> T* Child(const char* name) {
        T* child = Form->findChild<T*>(QString::fromLatin1(name));
        if (!child)
            qFatal("no child %s", name);
        return child;
    }

    void Ctrl(Qt::Key key) { QTest::keyClick(Form.get(), key, Qt::ControlModifier); }
    QString Memo() { return Child<QPlainTextEdit>("Memo1")->toPlainText(); }

    void CreateMap() {
        Ctrl(Qt::Key_M);
        QVERIFY(State->MapPresent);
        Dialogs->Messages.clear();
    }

    // Writes `bytes` to the file `name` in the test's folder; returns its path.
    QString WriteFile(const QString& name, const QByteArray& bytes) {
        const QString path = TileDir->filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Writes a map file and loads it through Load Map.
    void LoadMapFile(const QByteArray& bytes) {
        Dialogs->Answer = WriteFile(QStringLiteral("load.tvm"), bytes);
        Ctrl(Qt::Key_L);
    }
};
