// What the progress dialog shows: the figures, the speed over the last
// seconds, and each phase with and without a cancel, on a clock of the test's.
#include "install/copyprogress.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace orvex;
using namespace std::chrono_literals;
using Phase = StickProgress::Phase;
using Button = ProgressView::Button;
Q_DECLARE_METATYPE(Phase)
Q_DECLARE_METATYPE(Button)

namespace {

constexpr qint64 MiB = 1024 * 1024;

StickProgress copying(int files, int of, qint64 bytes, qint64 total, const QString &file = {})
{
    return {Phase::Copying, files, of, bytes, total, file};
}

} // namespace

class ProgressTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesTheFigures_data()
    {
        QTest::addColumn<StickProgress>("progress");
        QTest::addColumn<double>("rate"); // bytes a second; negative: not known yet
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("figures");
        const auto row = [](const char *name, const StickProgress &progress, double rate,
                            const char *locale, const char *figures) {
            QTest::newRow(name) << progress << rate << QString::fromUtf8(locale)
                                << QString::fromUtf8(figures);
        };
        const StickProgress example = copying(12, 40, qint64(34.5 * MiB), 100 * MiB);
        row("speed not known yet", example, -1, "C", "12 of 40 files, 34.5 of 100.0 MiB");
        row("stalled: no time left", example, 0, "C",
            "12 of 40 files, 34.5 of 100.0 MiB, 0.0 KiB/s");
        row("done: no time left", copying(40, 40, 100 * MiB, 100 * MiB), 8 * MiB, "C",
            "40 of 40 files, 100.0 of 100.0 MiB, 8.0 MiB/s");
        row("minutes; a GiB from 1 GiB", copying(1, 2, 512 * MiB, 1024 * MiB), 5 * MiB, "C",
            "1 of 2 files, 0.5 of 1.0 GiB, 5.0 MiB/s, about 2 min left");
        row("the locale's numbers", copying(1234, 2000, qint64(34.5 * MiB), 100 * MiB), 8.2 * MiB,
            "de_DE", "1.234 of 2.000 files, 34,5 of 100,0 MiB, 8,2 MiB/s, about 8 s left");
    }
    void writesTheFigures()
    {
        QFETCH(StickProgress, progress);
        QFETCH(double, rate);
        QFETCH(QString, locale);
        QTEST(progressFigures(progress, rate < 0 ? std::nullopt : std::optional(rate),
                              QLocale(locale)),
              "figures");
    }

    // Samples as "milliseconds:bytes"; the speed over the last three seconds.
    void measuresTheSpeed_data()
    {
        QTest::addColumn<QStringList>("samples");
        QTest::addColumn<double>("rate"); // negative: not known yet
        QTest::newRow("none") << QStringList() << -1.0;
        QTest::newRow("under half a second") << QStringList{u"0:0"_s, u"400:4000"_s} << -1.0;
        QTest::newRow("the last three seconds")
            << QStringList{u"0:0"_s,        u"1000:9000"_s,  u"2000:18000"_s,
                           u"3000:18000"_s, u"4000:18000"_s, u"5000:21000"_s}
            << 1000.0;
    }
    void measuresTheSpeed()
    {
        QFETCH(QStringList, samples);
        TransferRate measured;
        for (const QString &sample : std::as_const(samples))
            measured.add(ProgressClock::time_point(
                             std::chrono::milliseconds(sample.section(u':', 0, 0).toInt())),
                         sample.section(u':', 1).toLongLong());
        QTEST(measured.bytesPerSecond().value_or(-1.0), "rate");
    }

    // A job in `phase`, cancelled at `cancelAt` ms (-1: never), seen at `at` ms.
    void showsEachPhase_data()
    {
        QTest::addColumn<Phase>("phase");
        QTest::addColumn<int>("cancelAt");
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("bar"); // value/maximum; 0/0 a busy bar
        QTest::addColumn<Button>("button");
        QTest::addColumn<bool>("holdsForNextJob");
        QTest::newRow("copying: the bar follows the bytes")
            << Phase::Copying << -1 << 0 << "Copying Orvex/js/a.js"
            << "250/1000" << Button::Cancel << false;
        QTest::newRow("reading back: the bar follows the bytes")
            << Phase::Verifying << -1 << 0 << "Checking what the stick kept…"
            << "250/1000" << Button::Cancel << false;
        QTest::newRow("removing: the bar follows the files")
            << Phase::Removing << -1 << 0 << "Removing Orvex/js/a.js"
            << "500/1000" << Button::Cancel << false;
        QTest::newRow("writing is not stopped")
            << Phase::Writing << 0 << 1999 << "Writing to the stick…"
            << "0/0" << Button::None << false;
        QTest::newRow("no move for 2 s: the stick not answering")
            << Phase::Writing << -1 << 2000 << "The stick is not answering. Waiting for it…"
            << "0/0" << Button::None << false;
        QTest::newRow("stopping for 5 s") << Phase::Copying << 1000 << 6000 << "Stopping…"
                                          << "250/1000" << Button::CloseAnyway << false;
        QTest::newRow("stopping while checking") << Phase::Checking << 0 << 100 << "Stopping…"
                                                 << "0/0" << Button::None << true;
    }
    void showsEachPhase()
    {
        QFETCH(Phase, phase);
        QFETCH(int, cancelAt);
        QFETCH(int, at);
        const auto ms = [](int m) {
            return ProgressClock::time_point(std::chrono::milliseconds(m));
        };
        ProgressDisplay display;
        StickProgress progress = copying(1, 2, 250, 1000, u"js/a.js"_s);
        progress.phase = phase;
        display.update(progress, ms(0));
        if (cancelAt >= 0)
            QCOMPARE(display.cancel(ms(cancelAt)), phase != Phase::Writing);
        const ProgressView view = display.view(ms(at), QLocale::c());
        QTEST(view.action, "action");
        QTEST(QString(u"%1/%2"_s).arg(view.barValue).arg(view.barMaximum), "bar");
        QCOMPARE(view.figures.isEmpty(), view.barMaximum == 0 || phase == Phase::Verifying);
        QCOMPARE(view.figures.startsWith(u"Close anyway ends the installer now"_s),
                 view.button == Button::CloseAnyway);
        QTEST(view.button, "button");
        QTEST(display.cancelHoldsForNextJob(), "holdsForNextJob");
        // An empty payload has no bar to fill.
        display.update(copying(0, 0, 0, 0, {}), ms(at));
        QCOMPARE(display.view(ms(at), QLocale::c()).barValue, 0);
    }
};

QTEST_GUILESS_MAIN(ProgressTest)
#include "tst_progress.moc"
