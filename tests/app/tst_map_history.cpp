// The session's map history on its own: the limit, and a map shown twice in a
// row. Going back and forward, and a new map after going back, are tested
// through the window (tst_map_keeping), with the maps a seed makes.

#include "map_history.h"

#include <QTest>

namespace {

THistoryEntry Map(int n) {
    return {
        std::string(60, static_cast<char>('A' + n % 50)) + std::to_string(n), std::nullopt, {}, {}};
}

} // namespace

class TestMapHistory : public QObject {
    Q_OBJECT

private slots:
    void keepsTheLastHundredMaps() {
        TMapHistory history;
        QVERIFY(!history.Current());
        QVERIFY(!history.CanGoBack());
        for (int n = 1; n <= 105; ++n)
            history.Add(Map(n));
        QCOMPARE(history.Size(), TMapHistory::Capacity);
        QCOMPARE(*history.Current(), Map(105));
        while (history.CanGoBack())
            history.Back();
        QCOMPARE(*history.Current(), Map(6));
    }

    // Loading the same file twice must not make Back show the same map.
    void theSameMapAgainAddsNothing() {
        TMapHistory history;
        history.Add(Map(1));
        history.Add(Map(2));
        history.Add(Map(2));
        QCOMPARE(history.Size(), std::size_t{2});
        // The same string made from a seed is another entry: it names the map.
        history.Add({Map(2).MapString, TSeedPosition{7, 1}, {}, {}});
        QCOMPARE(history.Size(), std::size_t{3});
    }
};

QTEST_APPLESS_MAIN(TestMapHistory)
#include "tst_map_history.moc"
