#include "install/copyprogress.h"

#include <QCoreApplication>
#include <cmath>

namespace orvex {

namespace {

using namespace std::chrono_literals;

constexpr auto rateSpan = 3s;
constexpr auto shortestRateSpan = 500ms;
constexpr int barSteps = 1000; // the bar counts thousandths: byte counts overflow an int

// The unit that writes `bytes` with one decimal: KiB, MiB or GiB.
std::pair<double, QString> unitFor(double bytes)
{
    if (bytes >= 1024.0 * 1024 * 1024)
        return {1024.0 * 1024 * 1024, QStringLiteral("GiB")};
    if (bytes >= 1024.0 * 1024)
        return {1024.0 * 1024, QStringLiteral("MiB")};
    return {1024.0, QStringLiteral("KiB")};
}

QString timeLeft(double seconds)
{
    const qint64 whole = std::max<qint64>(1, qint64(std::ceil(seconds)));
    if (whole < 60)
        return QCoreApplication::translate("orvex::StickJobDialog", "about %1 s left").arg(whole);
    if (whole < 3600)
        return QCoreApplication::translate("orvex::StickJobDialog", "about %1 min left")
            .arg(std::llround(whole / 60.0));
    return QCoreApplication::translate("orvex::StickJobDialog", "about %1 h left")
        .arg(std::llround(whole / 3600.0));
}

} // namespace

void TransferRate::add(ProgressClock::time_point at, qint64 bytesDone)
{
    m_samples.emplace_back(at, bytesDone);
    // Keep the last sample at or before the span's start, so that the span is whole.
    while (m_samples.size() > 2 && m_samples[1].first <= at - rateSpan)
        m_samples.pop_front();
}

std::optional<double> TransferRate::bytesPerSecond() const
{
    if (m_samples.size() < 2)
        return std::nullopt;
    const auto &[firstAt, firstBytes] = m_samples.front();
    const auto &[lastAt, lastBytes] = m_samples.back();
    if (lastAt - firstAt < shortestRateSpan)
        return std::nullopt;
    return double(lastBytes - firstBytes) / std::chrono::duration<double>(lastAt - firstAt).count();
}

QString progressFigures(const StickProgress &progress, std::optional<double> bytesPerSecond,
                        const QLocale &locale)
{
    const auto [unit, unitName] = unitFor(double(progress.bytesTotal));
    const auto amount = [&locale](double bytes, double in) {
        return locale.toString(bytes / in, 'f', 1);
    };
    QString figures =
        QCoreApplication::translate("orvex::StickJobDialog", "%1 of %2 files, %3 of %4 %5")
            .arg(locale.toString(progress.filesDone), locale.toString(progress.filesTotal),
                 amount(double(progress.bytesDone), unit),
                 amount(double(progress.bytesTotal), unit), unitName);
    if (!bytesPerSecond)
        return figures;
    const double rate = std::max(0.0, *bytesPerSecond);
    const auto [rateUnit, rateUnitName] = unitFor(rate);
    figures += QStringLiteral(", %1 %2/s").arg(amount(rate, rateUnit), rateUnitName);
    const qint64 left = progress.bytesTotal - progress.bytesDone;
    if (rate > 0 && left > 0)
        figures += QStringLiteral(", ") + timeLeft(double(left) / rate);
    return figures;
}

void ProgressDisplay::update(const StickProgress &progress, ProgressClock::time_point now)
{
    if (progress != m_progress || m_lastMove == ProgressClock::time_point())
        m_lastMove = now;
    m_progress = progress;
    if (progress.phase == StickProgress::Phase::Copying)
        m_rate.add(now, progress.bytesDone);
}

bool ProgressDisplay::cancel(ProgressClock::time_point now)
{
    if (m_progress.phase == StickProgress::Phase::Writing ||
        m_progress.phase == StickProgress::Phase::Ejecting)
        return false;
    if (!m_stoppingSince)
        m_stoppingSince = now;
    return true;
}

bool ProgressDisplay::cancelHoldsForNextJob() const
{
    return m_stoppingSince && m_progress.phase == StickProgress::Phase::Checking;
}

ProgressView ProgressDisplay::view(ProgressClock::time_point now, const QLocale &locale) const
{
    ProgressView view;
    switch (m_progress.phase) {
    case StickProgress::Phase::Checking:
        view.action = QCoreApplication::translate("orvex::StickJobDialog", "Checking the stick…");
        break;
    case StickProgress::Phase::Copying:
        view.action = m_progress.currentFile.isEmpty()
                          ? QCoreApplication::translate("orvex::StickJobDialog", "Copying Orvex…")
                          : QCoreApplication::translate("orvex::StickJobDialog", "Copying Orvex/%1")
                                .arg(m_progress.currentFile);
        view.figures = progressFigures(m_progress, m_rate.bytesPerSecond(), locale);
        view.barMaximum = barSteps;
        if (m_progress.bytesTotal > 0)
            view.barValue = int(m_progress.bytesDone * barSteps / m_progress.bytesTotal);
        else if (m_progress.filesTotal > 0)
            view.barValue = m_progress.filesDone * barSteps / m_progress.filesTotal;
        break;
    case StickProgress::Phase::Removing:
        view.action = QCoreApplication::translate("orvex::StickJobDialog", "Removing Orvex/%1")
                          .arg(m_progress.currentFile);
        view.figures =
            QCoreApplication::translate("orvex::StickJobDialog", "%1 of %2 files")
                .arg(locale.toString(m_progress.filesDone), locale.toString(m_progress.filesTotal));
        view.barMaximum = barSteps;
        if (m_progress.filesTotal > 0)
            view.barValue = m_progress.filesDone * barSteps / m_progress.filesTotal;
        break;
    case StickProgress::Phase::Ejecting:
        view.action = QCoreApplication::translate("orvex::StickJobDialog", "Ejecting the stick…");
        view.button = ProgressView::Button::None;
        break;
    case StickProgress::Phase::Verifying:
        view.action =
            QCoreApplication::translate("orvex::StickJobDialog", "Checking what the stick kept…");
        view.barMaximum = barSteps;
        if (m_progress.bytesTotal > 0)
            view.barValue = int(m_progress.bytesDone * barSteps / m_progress.bytesTotal);
        break;
    case StickProgress::Phase::Writing:
        view.action = QCoreApplication::translate("orvex::StickJobDialog", "Writing to the stick…");
        view.button = ProgressView::Button::None;
        break;
    }
    if (now - m_lastMove >= silenceAfter)
        view.action = QCoreApplication::translate("orvex::StickJobDialog",
                                                  "The stick is not answering. Waiting for it…");
    if (m_stoppingSince && view.button != ProgressView::Button::None) {
        view.action = QCoreApplication::translate("orvex::StickJobDialog", "Stopping…");
        view.button = ProgressView::Button::None;
        if (now - *m_stoppingSince >= closeAnywayAfter) {
            view.button = ProgressView::Button::CloseAnyway;
            view.figures = QCoreApplication::translate(
                "orvex::StickJobDialog", "Close anyway ends the installer now; the next "
                                         "installation removes what this one left.");
        }
    }
    return view;
}

} // namespace orvex
