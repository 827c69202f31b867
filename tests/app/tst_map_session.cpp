// The window's map session is the session core (tests/core) with signals:
// every map taken is announced, a refused one is not, and saving renames
// the map once.

#include "map_session.h"
#include "map_string.h"
#include "test_state.h"

#include <QSignalSpy>
#include <QTest>

class TestMapSession : public QObject {
    Q_OBJECT

    std::unique_ptr<tavrin::TMapState> State;
    tavrin::test::TRecordingSink Sink;
    std::unique_ptr<TMapSession> Session;

private slots:
    void init() {
        State = tavrin::test::FreshState(12345);
        Sink.Messages.clear();
        State->Messages = &Sink;
        Session = std::make_unique<TMapSession>(*State);
    }

    void signalsFollowTheMapsTaken() {
        QSignalSpy changed(Session.get(), &TMapSession::mapChanged);
        QSignalSpy naming(Session.get(), &TMapSession::namingChanged);
        QSignalSpy history(Session.get(), &TMapSession::historyChanged);
        Session->CreateMap();
        Session->CreateMapFromSeed(7);
        QCOMPARE(Session->OpenText(QStringLiteral("12/3"), tavrin::TTextSource::Clipboard).End,
                 tavrin::TOpenEnd::Opened);
        QVERIFY(Session->Back());
        QVERIFY(Session->Forward());
        QCOMPARE(changed.count(), 5);
        QCOMPARE(naming.count(), 5);
        QCOMPARE(history.count(), 5);
        QCOMPARE(Session->SeedText(), QStringLiteral("Seed 12, map 3"));
        QCOMPARE(Session->PlaceText(), QStringLiteral("map 3 of 3"));

        // Refused: no map in the text, a line of the wrong length.
        QCOMPARE(Session->OpenText(QStringLiteral("none"), tavrin::TTextSource::Clipboard).End,
                 tavrin::TOpenEnd::NoMapCode);
        QVERIFY(!Session->LoadMapLine("ddgdd", QStringLiteral("short.tvm")));
        QVERIFY(!Session->Forward());
        QCOMPARE(changed.count(), 5);
        QCOMPARE(naming.count(), 5);

        Session->MapSaved(QStringLiteral("/maps/a.tvm"));
        Session->MapSaved(QStringLiteral("/maps/a.tvm"));
        QCOMPARE(naming.count(), 6);
        QCOMPARE(Session->PlaceText(), QStringLiteral("map 3 of 3, a.tvm"));
        QCOMPARE(changed.count(), 5);
    }
};

QTEST_GUILESS_MAIN(TestMapSession)
#include "tst_map_session.moc"
