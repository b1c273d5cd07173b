// Most calls only count down; the clock is read every `stride` calls, the stride growing while
// calls come fast and dropping to 1 when they come slowly, so the turn is neither missed by
// much nor paid for with a clock read on every call.
#include "framework/BackgroundTask.h"

#include "framework/UiThread.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <chrono>

namespace fw {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTurnInterval = std::chrono::milliseconds(25);
constexpr int kMaxStride = 256;

struct YieldState {
    int countdown = 1;
    int stride = 1;
    Clock::time_point lastCheck = Clock::now();
    Clock::time_point lastTurn = Clock::now();
    bool inTurn = false;
};

YieldState gState;

} // namespace

void RuntimeBackgroundTask() {
    RequireUiThread();
    if (--gState.countdown > 0) return;
    const auto now = Clock::now();
    const auto sinceCheck = now - gState.lastCheck;
    gState.lastCheck = now;
    if (sinceCheck < std::chrono::milliseconds(1)) {
        gState.stride = std::min(gState.stride * 2, kMaxStride);
    } else if (sinceCheck > std::chrono::milliseconds(4)) {
        gState.stride = 1;
    }
    gState.countdown = gState.stride;
    if (gState.inTurn || now - gState.lastTurn < kTurnInterval) return;
    gState.inTurn = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    gState.inTurn = false;
    gState.lastTurn = Clock::now();
}

} // namespace fw
