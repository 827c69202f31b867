// Create Map Until in the window: the dialog's criteria and estimate, and
// the search off the interface thread with its progress dialog. Which map
// the search finds is the engine's (map_search_test); here it is checked
// that the window's state takes that map, and only that one.

#include "acceptance.h"
#include "create_until_dialog.h"
#include "figure_histogram.h"
#include "form_test.h"
#include "map_figures.h"
#include "map_search_run.h"
#include "map_string.h"
#include "map_view.h"
#include "settings_keys.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
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

// Answers the Create Map Until dialog as soon as it opens: `set` changes its
// rows, then OK.
void AnswerUntilDialog(std::function<void(TCreateMapUntilDialog&)> set) {
    QTimer::singleShot(0, [set] {
        auto* dialog = qobject_cast<TCreateMapUntilDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        set(*dialog);
        dialog->accept();
        if (dialog->isVisible()) // OK asked first: no map of the sample meets them
            dialog->accept();
    });
}

} // namespace

class TestCreateUntil : public TFormTest {
    Q_OBJECT

private slots:
    void cleanup() { StopForm(); }

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

    // OK on a wish no sampled map meets asks first and offers the nearest
    // criteria that some do; the bounds offered stay within what maps can be.
    void dialogExplainsAWishTheSampleNeverMeets() {
        TCreateMapUntilDialog dialog(tavrin::ParseCriteria("longest<=12,columns<=4"), nullptr,
                                     1000);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.Sample().Complete(), 20000);
        auto* explanation = dialog.findChild<QLabel*>(QStringLiteral("lblExplanation"));
        auto* nearest = dialog.findChild<QPushButton*>(QStringLiteral("btnNearest"));
        dialog.accept();
        QVERIFY(dialog.result() != QDialog::Accepted);
        QVERIFY2(explanation->text().startsWith(
                     QStringLiteral("No map of 1,000 meets these; the nearest that some do: ")),
                 qPrintable(explanation->text()));
        QVERIFY(!nearest->isHidden());
        nearest->click();
        QVERIFY2(Estimate(dialog).startsWith(QStringLiteral("about 1 map in ")),
                 qPrintable(Estimate(dialog)));
        QVERIFY(explanation->text().isEmpty());
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        dialog.SetCriterion(tavrin::TFigure::Columns, true, 1);
        QCOMPARE(dialog.Criteria().Items.back().Value, 2.0);
        const QStringList axis =
            dialog.findChild<TFigureHistogram*>(QStringLiteral("hist_columns"))->AxisNumbers();
        QCOMPARE(axis.size(), 3);
        QVERIFY2(axis[0].toInt() >= 2 && axis[0].toInt() < axis[1].toInt(),
                 qPrintable(axis.join(' ')));
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

    void windowNamesTheMapFoundBySeedAndNumber() {
        StartForm(12345);
        CreateMap();
        const QString key = Child<QLabel>("lblFigures")->text();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d+/95 reachable, longest \\d+$"))
                     .match(key)
                     .hasMatch(),
                 qPrintable(key));

        AnswerUntilDialog([](TCreateMapUntilDialog&) {}); // the criteria offered at first
        Ctrl(Qt::Key_U);
        const std::string until = "reachable>=95,columns<=6,rows<=6";
        QCOMPARE(Settings->value(SettingsKey::CreateUntilCriteria).toString(),
                 QString::fromStdString(until));
        QVERIFY(Child<QLabel>("lblFigures")->text().startsWith(QStringLiteral("95/95 ")));

        // The map k of the seed's plain sequence is the first after map 1 to
        // meet the criteria.
        auto plain = std::make_unique<tavrin::TMapState>();
        tavrin::InitTiles(*plain, 12345);
        tavrin::CreateMap(*plain);
        int k = 1;
        do {
            tavrin::CreateMap(*plain);
            ++k;
        } while (!tavrin::ParseCriteria(until).Meets(tavrin::MeasureMap(*plain)));
        QCOMPARE(Form->SeedText(), QStringLiteral("Seed 12345, map %1").arg(k));
        QCOMPARE(tavrin::MakeMapString(*State), tavrin::MakeMapString(*plain));
    }

    void windowGivesUpPastItsLimitKeepingTheMap() {
        StartForm(12345);
        CreateMap();
        Form->SetSearchLimit(50);
        AnswerUntilDialog([](TCreateMapUntilDialog& dialog) {
            dialog.SetCriterion(tavrin::TFigure::Columns, true, 2);
        });
        Ctrl(Qt::Key_U);
        QCOMPARE(Dialogs->Messages,
                 QStringList{QStringLiteral("No map of 50 meets these criteria.")});
        QCOMPARE(Form->SeedText(), QStringLiteral("Seed 12345, map 1"));
    }

    // Seed 12345's first map has five cut-off clearings.
    void cutOffClearingsAreMarkedUntilTurnedOff() {
        StartForm(12345);
        CreateMap();
        auto* view = Form->findChild<TMapView*>(QStringLiteral("ScrollBox1"));
        QCOMPARE(view->CutOffMarks().size(), std::size_t{5});
        Child<QAction>("A_ShowCutOff")->trigger();
        QVERIFY(view->CutOffMarks().empty());
        QCOMPARE(Settings->value(SettingsKey::ShowCutOffClearings), QVariant(false));
    }
};

QTEST_MAIN(TestCreateUntil)
#include "tst_create_until.moc"
