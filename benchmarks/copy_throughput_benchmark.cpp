// Copy throughput: an unattended install of a payload of 2,000 files and
// 100 MiB onto a tmpfs, against `cp -r` of the same tree onto the same file
// system followed by `sync -f` on it. Both are whole processes, timed from
// start to exit; the median of five rounds each.
#include "processrun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/mount.h>
#include <unistd.h>

namespace {

constexpr int folders = 20;
constexpr int filesPerFolder = 100;
constexpr qint64 totalBytes = 100LL * 1024 * 1024;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The installer beside a generated payload: files of 1 KiB to about 100 KiB.
bool layPayload(const QString &app)
{
    const QString orvex = app + QStringLiteral("/Orvex");
    constexpr int files = folders * filesPerFolder;
    for (int f = 0; f < folders; ++f) {
        if (!QDir().mkpath(orvex + QStringLiteral("/part%1").arg(f)))
            return false;
        for (int i = 0; i < filesPerFolder; ++i) {
            const int n = f * filesPerFolder + i;
            const qint64 size = 1024 + (2 * (totalBytes / files - 1024) * (n % 97)) / 96;
            if (!writeFile(orvex + QStringLiteral("/part%1/file%2.html").arg(f).arg(i),
                           QByteArray(size, char('a' + n % 26))))
                return false;
        }
    }
    const QByteArray line = "<dt><a href=\"file:/PSP/COMMON/Orvex/index.html\">Orvex</a>\r\n";
    return writeFile(app + QStringLiteral("/pass.html"), line) &&
           writeFile(app + QStringLiteral("/nopass.html"), line) &&
           QFile::copy(QStringLiteral(ORVEX_INSTALLER), app + QStringLiteral("/orvex-installer"));
}

} // namespace

int main()
{
    // A tmpfs of its own where the benchmark may mount one, else /dev/shm.
    QTemporaryDir work(QDir(QStringLiteral("/dev/shm")).exists()
                           ? QStringLiteral("/dev/shm/orvex-copy-XXXXXX")
                           : QDir::tempPath() + QStringLiteral("/orvex-copy-XXXXXX"));
    const bool mounted =
        ::geteuid() == 0 &&
        ::mount("tmpfs", QFile::encodeName(work.path()).constData(), "tmpfs", 0, "size=1g") == 0;
    const QString app = work.path() + QStringLiteral("/app");
    if (!layPayload(app)) {
        std::fprintf(stderr, "copy: cannot lay the payload in %s\n", qPrintable(work.path()));
        return 1;
    }

    std::vector<double> installer, copy;
    for (int round = 0; round < 5; ++round) {
        const QString stick = work.path() + QStringLiteral("/stick%1").arg(round);
        const QString plain = work.path() + QStringLiteral("/plain%1").arg(round);
        QDir().mkpath(stick + QStringLiteral("/PSP/SYSTEM/BROWSER"));
        QDir().mkpath(plain);
        const ProcessRun a = runProcess(app + QStringLiteral("/orvex-installer"),
                                        {QStringLiteral("--unattended"), QStringLiteral("--drive"),
                                         stick, QStringLiteral("--password"), QStringLiteral("no")},
                                        {});
        const ProcessRun b =
            runProcess(QStringLiteral("/bin/cp"),
                       {QStringLiteral("-r"), app + QStringLiteral("/Orvex"), plain});
        const ProcessRun c = runProcess(QStringLiteral("/bin/sync"), {QStringLiteral("-f"), plain});
        if (a.exitStatus != 0 || b.exitStatus != 0 || c.exitStatus != 0) {
            std::fprintf(stderr, "copy: a run failed (%d, %d, %d)\n", a.exitStatus, b.exitStatus,
                         c.exitStatus);
            return 1;
        }
        installer.push_back(a.milliseconds);
        copy.push_back(b.milliseconds + c.milliseconds);
        QDir(stick).removeRecursively();
        QDir(plain).removeRecursively();
    }
    if (mounted)
        ::umount2(QFile::encodeName(work.path()).constData(), MNT_DETACH);
    const double time = median(installer), floor = median(copy);
    std::printf("copy of %d files, %lld MiB onto %s (median of 5): installer %.1f ms, "
                "cp -r + sync -f %.1f ms, ratio %.2f (goal <= 1.1)\n",
                folders * filesPerFolder, totalBytes >> 20,
                mounted ? "a tmpfs of its own" : "/dev/shm", time, floor, time / floor);
    return 0;
}
