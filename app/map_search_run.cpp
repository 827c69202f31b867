#include "map_search_run.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <exception>
#include <memory>
#include <thread>

namespace {

// How often the dialog shows the count, and how long a search runs before
// the dialog appears at all.
constexpr int RefreshMs = 100;
constexpr int ShowAfterMs = 250;

} // namespace

QString SearchProgressText(std::int64_t maps, std::int64_t limit, double seconds) {
    return QCoreApplication::translate("TMapSearchRun", "Maps tried: %1 of %2\nTime: %3 s")
        .arg(maps)
        .arg(limit)
        .arg(seconds, 0, 'f', 1);
}

TMapSearchRun RunMapSearch(QWidget* parent, tavrin::TMapState& state,
                           const tavrin::TCriteria& criteria, std::int64_t limit) {
    // The worker's own state: engine messages from it would reach the
    // window from another thread, so it has no sink.
    auto work = std::make_unique<tavrin::TMapState>(state);
    work->Messages = nullptr;

    std::atomic<bool> cancel{false};
    std::atomic<std::int64_t> tried{0};
    std::atomic<bool> done{false};
    tavrin::TMapSearchResult result;
    std::exception_ptr failure;

    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    std::thread worker([&] {
        try {
            tavrin::TMapSearch search;
            search.Limit = limit;
            search.Cancel = &cancel;
            search.Progress = [&](std::int64_t maps) { tried = maps; };
            result = tavrin::CreateMapUntil(*work, criteria, search);
        } catch (...) {
            failure = std::current_exception();
        }
        done = true;
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });

    // A quick search ends before anything is shown. Until the dialog shows,
    // the user's input waits (it is not lost), so no other command can run
    // on the state meanwhile; afterwards the dialog is modal.
    // The loops end when the worker is done, or when the time to show the
    // dialog comes; anything else that ends them (the program quitting)
    // stops the search.
    bool showTime = false;
    QTimer showTimer;
    showTimer.setSingleShot(true);
    QObject::connect(&showTimer, &QTimer::timeout, [&] {
        showTime = true;
        loop.quit();
    });
    showTimer.start(ShowAfterMs);
    if (!done)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    showTimer.stop();

    if (!done && showTime) {
        QProgressDialog progress(SearchProgressText(tried, limit, clock.elapsed() / 1000.0),
                                 QCoreApplication::translate("QPlatformTheme", "Cancel"), 0, 0,
                                 parent);
        progress.setObjectName(QStringLiteral("SearchProgress"));
        progress.setWindowTitle(QCoreApplication::translate("TMapSearchRun", "Create Map Until"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumWidth(340); // the title whole
        progress.setAutoClose(false);
        progress.setAutoReset(false);
        // Cancel, Esc and closing the dialog all stop the search.
        QObject::connect(&progress, &QProgressDialog::canceled, [&] { cancel = true; });
        QObject::connect(&progress, &QDialog::rejected, [&] { cancel = true; });
        QTimer refresh;
        QObject::connect(&refresh, &QTimer::timeout, [&] {
            progress.setLabelText(SearchProgressText(tried, limit, clock.elapsed() / 1000.0));
        });
        refresh.start(RefreshMs);
        progress.show();
        if (!done)
            loop.exec();
    }
    if (!done)
        cancel = true;
    worker.join();

    if (failure)
        std::rethrow_exception(failure);
    if (result.End == tavrin::TMapSearchEnd::Found) {
        tavrin::IMessageSink* const messages = state.Messages;
        state = *work;
        state.Messages = messages;
    }
    return {result, clock.elapsed() / 1000.0};
}
