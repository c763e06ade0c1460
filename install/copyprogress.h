#pragma once

#include "install/installprocedure.h"

#include <QLocale>
#include <QString>
#include <chrono>
#include <deque>
#include <optional>

namespace orvex {

using ProgressClock = std::chrono::steady_clock;

// How long "Stopping…" shows before "Close anyway" is offered.
inline constexpr std::chrono::seconds closeAnywayAfter{5};
// How long a job may make no progress before the stick shows as not answering.
inline constexpr std::chrono::seconds silenceAfter{2};

// The speed of a copy over its last three seconds.
class TransferRate
{
public:
    void add(ProgressClock::time_point at, qint64 bytesDone);
    // Bytes a second; none until the samples span half a second.
    std::optional<double> bytesPerSecond() const;

private:
    std::deque<std::pair<ProgressClock::time_point, qint64>> m_samples;
};

// "12 of 40 files, 34.5 of 100.0 MiB, 8.2 MiB/s, about 8 s left": sizes in
// the total's unit, the speed once known, the time left while bytes move.
QString progressFigures(const StickProgress &progress, std::optional<double> bytesPerSecond,
                        const QLocale &locale);

// What the progress dialog shows at one moment.
struct ProgressView
{
    enum class Button
    {
        None,
        Cancel,
        CloseAnyway
    };
    QString action;  // "Copying Orvex/calc.js", "Stopping…", ...
    QString figures; // see progressFigures, or what Close anyway does; may be empty
    int barValue = 0;
    int barMaximum = 0; // 0: a busy bar
    Button button = Button::Cancel;

    friend bool operator==(const ProgressView &, const ProgressView &) = default;
};

// The progress dialog's rules for one job: what each phase shows, the speed
// over the last seconds, and what a cancel changes.
class ProgressDisplay
{
public:
    // The job's latest progress; given on every refresh, so that the speed of a
    // stalled copy falls and a job that moves no more shows so.
    void update(const StickProgress &progress, ProgressClock::time_point now);
    // The user or a signal asked the job to stop. False while the files are put
    // in place: that is never interrupted.
    bool cancel(ProgressClock::time_point now);
    ProgressView view(ProgressClock::time_point now, const QLocale &locale) const;
    // A cancel asked while the stick was being checked, which that job cannot
    // stop: it holds for the job that follows.
    bool cancelHoldsForNextJob() const;

private:
    StickProgress m_progress;
    ProgressClock::time_point m_lastMove;
    TransferRate m_rate;
    std::optional<ProgressClock::time_point> m_stoppingSince;
};

} // namespace orvex
