// Start-up of the installer, from process start to its window shown, against a
// bare Qt widget program that shows one empty window; and the peak memory of
// both. Each program quits as soon as its window is shown
// (ORVEX_QUIT_WHEN_SHOWN). Runs on the platform QT_QPA_PLATFORM names.
#include "processrun.h"

#include <algorithm>
#include <cstdio>

int main()
{
    constexpr int rounds = 21;
    const QStringList quit = {QStringLiteral("ORVEX_QUIT_WHEN_SHOWN=1")};
    std::vector<double> installer, bare;
    long installerPeak = 0, barePeak = 0;
    for (int round = 0; round < rounds; ++round) {
        const ProcessRun a = runProcess(QStringLiteral(ORVEX_INSTALLER), {}, quit);
        const ProcessRun b = runProcess(QStringLiteral(ORVEX_BARE_WINDOW), {}, quit);
        if (a.exitStatus != 0 || b.exitStatus != 0) {
            std::fprintf(stderr, "startup: a program failed (%d, %d)\n", a.exitStatus,
                         b.exitStatus);
            return 1;
        }
        installer.push_back(a.milliseconds);
        bare.push_back(b.milliseconds);
        installerPeak = std::max(installerPeak, a.peakKilobytes);
        barePeak = std::max(barePeak, b.peakKilobytes);
    }
    const double time = median(installer), floor = median(bare);
    std::printf("start-up (median of %d): installer %.1f ms, bare window %.1f ms, ratio %.2f "
                "(goal <= 1.2)\n",
                rounds, time, floor, time / floor);
    std::printf("peak memory: installer %ld KiB, bare window %ld KiB, ratio %.2f (goal <= 1.2)\n",
                installerPeak, barePeak, double(installerPeak) / double(barePeak));
    return 0;
}
