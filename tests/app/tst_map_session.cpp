// The map session without a window: the maps it takes, what names them, the
// history Back and Forward step through, and the signals the window follows.

#include "acceptance.h"
#include "map_session.h"
#include "map_string.h"
#include "test_state.h"

#include <QSignalSpy>
#include <QTest>
#include <vector>

namespace {

// The first `count` maps of a seed, as `tavrin-cli generate --seed N` prints them.
std::vector<std::string> SeedMaps(std::uint32_t seed, int count) {
    const auto state = tavrin::test::FreshState(seed);
    std::vector<std::string> maps;
    for (int k = 0; k < count; ++k) {
        tavrin::CreateMap(*state);
        maps.push_back(tavrin::MakeMapString(*state));
    }
    return maps;
}

} // namespace

class TestMapSession : public QObject {
    Q_OBJECT

    std::unique_ptr<tavrin::TMapState> State;
    tavrin::test::TRecordingSink Sink;
    std::unique_ptr<TMapSession> Session;

    std::string Shown() const { return tavrin::MakeMapString(*State); }

private slots:
    void init() {
        State = tavrin::test::FreshState(12345);
        Sink.Messages.clear();
        State->Messages = &Sink;
        Session = std::make_unique<TMapSession>(*State);
    }

    // A map Create Map Until found further along the sequence is named by its
    // place in it and taken into the history like a created map.
    void mapFoundIsNamedByItsPlaceInTheSequence() {
        Session->CreateMap();
        tavrin::CreateMap(*State); // the search's maps, made on the tiles
        tavrin::CreateMap(*State);
        Session->TakeMapFound(2);
        QCOMPARE(Shown(), SeedMaps(12345, 3)[2]);
        QCOMPARE(Session->SeedText(), QStringLiteral("Seed 12345, map 3"));
        QVERIFY(Session->CanGoBack());
    }

    // The session starts on the generator's seed: Create Map makes that seed's
    // maps in order, and a seed given starts another sequence. The first map
    // is announced as present once; every map as changed.
    void createMapFollowsTheSeedsSequence() {
        QSignalSpy present(Session.get(), &TMapSession::mapPresentChanged);
        QSignalSpy changed(Session.get(), &TMapSession::mapChanged);
        QVERIFY(!Session->HasMap());
        const std::vector<std::string> maps = SeedMaps(12345, 2);
        Session->CreateMap();
        Session->CreateMap();
        QCOMPARE(Shown(), maps[1]);
        QCOMPARE(Session->SeedText(), QStringLiteral("Seed 12345, map 2"));
        QCOMPARE(present.count(), 1);
        QCOMPARE(present[0][0].toBool(), true);
        QCOMPARE(changed.count(), 2);

        Session->CreateMapFromSeed(7);
        QCOMPARE(Shown(), SeedMaps(7, 1)[0]);
        QCOMPARE(Session->SeedText(), QStringLiteral("Seed 7, map 1"));
        QCOMPARE(Session->SequenceSeed(), std::optional<std::uint32_t>(7));
    }

    // Back and Forward put earlier maps into the tiles, every tile placed; a
    // map made after going back drops the maps ahead and goes on with the
    // seed's sequence. A loaded map is named by its file, not by a seed.
    void backAndForward() {
        const std::vector<std::string> maps = SeedMaps(12345, 4);
        for (int k = 0; k < 3; ++k)
            Session->CreateMap();
        QSignalSpy history(Session.get(), &TMapSession::historyChanged);
        QVERIFY(Session->Back());
        QVERIFY(Session->Back());
        QVERIFY(!Session->Back());
        QCOMPARE(history.count(), 2);
        QCOMPARE(Shown(), maps[0]);
        QCOMPARE(Session->SeedText(), QStringLiteral("Seed 12345, map 1"));
        QVERIFY(!Session->CanGoBack());
        QVERIFY(Session->CanGoForward());

        QVERIFY(Session->Forward());
        QCOMPARE(Shown(), maps[1]);
        Session->CreateMap();
        QCOMPARE(Shown(), maps[3]);
        QCOMPARE(Session->SeedText(), QStringLiteral("Seed 12345, map 4"));
        QVERIFY(!Session->CanGoForward());

        const std::string other = SeedMaps(99, 1)[0];
        QVERIFY(Session->LoadMapLine(other, QStringLiteral("/maps/other.tvm")));
        QCOMPARE(Session->SeedText(), QString());
        QCOMPARE(Session->Current()->File, std::string("/maps/other.tvm"));
        for (int t = 1; t <= tavrin::TileCount; ++t)
            State->Tiles[t].Placed = false;
        QVERIFY(Session->Back());
        QVERIFY(Session->Back());
        QCOMPARE(Shown(), maps[1]);
        for (int t = 1; t <= tavrin::TileCount; ++t)
            QVERIFY(State->Tiles[t].Placed);
        QVERIFY(Sink.Messages.empty());
    }

    // A line of the wrong length is answered by the engine and changes
    // nothing: no signal, no history, the map shown stays.
    void wrongLengthChangesNothing() {
        Session->CreateMap();
        const std::string shown = Shown();
        QSignalSpy changed(Session.get(), &TMapSession::mapChanged);
        QSignalSpy naming(Session.get(), &TMapSession::namingChanged);
        QVERIFY(!Session->LoadMapLine("ddgdd", QStringLiteral("short.tvm")));
        QCOMPARE(Sink.Messages.size(), std::size_t{1});
        QCOMPARE(changed.count(), 0);
        QCOMPARE(naming.count(), 0);
        QCOMPARE(Shown(), shown);
        QCOMPARE(Session->History().Size(), std::size_t{1});
    }

    // Saving names the map shown by its file, once; the seed name stays.
    void savingNamesTheMapByItsFile() {
        Session->CreateMap();
        QSignalSpy naming(Session.get(), &TMapSession::namingChanged);
        Session->MapSaved(QStringLiteral("/maps/a.tvm"));
        Session->MapSaved(QStringLiteral("/maps/a.tvm"));
        QCOMPARE(naming.count(), 1);
        QCOMPARE(Session->Current()->File, std::string("/maps/a.tvm"));
        QCOMPARE(Session->SeedText(), QStringLiteral("Seed 12345, map 1"));
    }
};

QTEST_GUILESS_MAIN(TestMapSession)
#include "tst_map_session.moc"
