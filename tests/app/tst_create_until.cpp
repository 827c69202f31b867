// Create Map Until in the window: the dialog's criteria and estimate, and
// the search off the interface thread with its progress dialog. Which map
// the search finds is the engine's (map_search_test); here it is checked
// that the window's state takes that map, and only that one.

#include "acceptance.h"
#include "create_until_dialog.h"
#include "map_search_run.h"
#include "map_string.h"

#include <QApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

std::unique_ptr<tavrin::TMapState> StateWithMap(std::uint32_t seed) {
    auto state = std::make_unique<tavrin::TMapState>();
    tavrin::InitTiles(*state, seed);
    tavrin::CreateMap(*state);
    return state;
}

QString Estimate(const TCreateMapUntilDialog& dialog) {
    return dialog.findChild<QLabel*>(QStringLiteral("lblEstimate"))->text();
}

} // namespace

class TestCreateUntil : public QObject {
    Q_OBJECT

private slots:
    void dialogOffersRememberedCriteriaAndEstimatesThem() {
        TCreateMapUntilDialog dialog(tavrin::ParseCriteria("reachable>=95,rows<=5,cutoff=3"),
                                     nullptr, 1000);
        // A criterion the dialog has no row for is dropped.
        QCOMPARE(tavrin::CriteriaText(dialog.Criteria()), std::string("reachable>=95,rows<=5"));
        QTRY_VERIFY_WITH_TIMEOUT(dialog.Sample().Complete(), 20000);
        QVERIFY2(Estimate(dialog).startsWith(QStringLiteral("about 1 map in ")),
                 qPrintable(Estimate(dialog)));

        // The estimate follows every change at once.
        dialog.SetCriterion(tavrin::TFigure::Columns, true, 2);
        QCOMPARE(Estimate(dialog), QStringLiteral("no map of 1000 sampled meets these"));
        QCOMPARE(tavrin::CriteriaText(dialog.Criteria()),
                 std::string("reachable>=95,columns<=2,rows<=5"));
        dialog.SetCriterion(tavrin::TFigure::Columns, false, 2);
        dialog.SetCriterion(tavrin::TFigure::Reachable, false, 95);
        dialog.SetCriterion(tavrin::TFigure::Rows, false, 5);
        QCOMPARE(Estimate(dialog), QStringLiteral("about 1 map in 1 meets these"));
    }

    void searchHandsTheMapFoundToTheState() {
        auto state = StateWithMap(12345);
        const auto criteria = tavrin::ParseCriteria("reachable>=95,columns<=6,rows<=6");
        const TMapSearchRun run = RunMapSearch(nullptr, *state, criteria);
        QCOMPARE(run.Result.End, tavrin::TMapSearchEnd::Found);

        auto plain = StateWithMap(12345);
        for (std::int64_t k = 1; k <= run.Result.Maps; ++k)
            tavrin::CreateMap(*plain);
        QCOMPARE(tavrin::MakeMapString(*state), tavrin::MakeMapString(*plain));
        QCOMPARE(state->Random.Seed, plain->Random.Seed);
    }

    // A search that gives up or is cancelled leaves the map and the
    // generator as they were.
    void searchWithoutAMapChangesNothing() {
        auto state = StateWithMap(7);
        const std::string map = tavrin::MakeMapString(*state);
        const std::uint32_t seed = state->Random.Seed;
        const auto impossible = tavrin::ParseCriteria("reachable>95");

        const TMapSearchRun limited = RunMapSearch(nullptr, *state, impossible, 300);
        QCOMPARE(limited.Result.End, tavrin::TMapSearchEnd::LimitReached);
        QCOMPARE(limited.Result.Maps, std::int64_t{300});

        bool cancelled = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* progress = qobject_cast<QProgressDialog*>(widget);
                    progress && progress->isVisible() && !cancelled) {
                    QVERIFY(progress->labelText().startsWith(QStringLiteral("Maps tried: ")));
                    QTest::keyClick(progress, Qt::Key_Escape);
                    cancelled = true;
                }
        });
        poll.start(50);
        const TMapSearchRun stopped = RunMapSearch(nullptr, *state, impossible);
        QVERIFY(cancelled);
        QCOMPARE(stopped.Result.End, tavrin::TMapSearchEnd::Cancelled);
        QVERIFY(stopped.Result.Maps < tavrin::MapSearchLimit);

        QCOMPARE(tavrin::MakeMapString(*state), map);
        QCOMPARE(state->Random.Seed, seed);
    }
};

QTEST_MAIN(TestCreateUntil)
#include "tst_create_until.moc"
