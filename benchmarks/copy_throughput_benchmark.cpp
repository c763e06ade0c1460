// Copy throughput: an unattended install of a payload of 2,000 files and
// 100 MiB, against `cp -r` of the same tree followed by `sync -f` on it, on
// three file systems: a tmpfs, where a flush costs nothing, ext4 on an image
// file of the build disk, where it costs what it costs on a stick, and the
// kernel's FAT (vfat) on a sparse 1 GiB FAT32 image in a user-mode Linux, a
// stick's own file system. All are whole processes, timed from start to exit;
// the median of five rounds each. The installer's flushes (fsync, fdatasync,
// syncfs) are counted with strace on the first two.
//
// As root the benchmark mounts a tmpfs and a loop-mounted ext4 image of its
// own; otherwise it uses /dev/shm and a plain folder on the build disk, and
// says so. The FAT row needs no root: it boots linux.uml (user-mode-linux)
// with the tests' guest script, and is skipped where there is none.
#include "processrun.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/mount.h>
#include <unistd.h>

namespace {

constexpr int folders = 20;
constexpr int filesPerFolder = 100;
constexpr qint64 totalBytes = 100LL * 1024 * 1024;
constexpr int rounds = 5;

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

bool run(const QString &program, const QStringList &arguments)
{
    return QProcess::execute(program, arguments) == 0;
}

// A file system to write onto: mounted for the benchmark where it may be.
class Target
{
public:
    Target(const QString &name, const QString &root) : m_name(name), m_root(root) {}
    ~Target()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_root).constData(), MNT_DETACH);
    }

    bool mountTmpfs()
    {
        m_mounted = ::geteuid() == 0 && ::mount("tmpfs", QFile::encodeName(m_root).constData(),
                                                "tmpfs", 0, "size=1g") == 0;
        return m_mounted;
    }
    bool mountExt4(const QString &image)
    {
        m_mounted = ::geteuid() == 0 &&
                    run(QStringLiteral("truncate"), {QStringLiteral("-s2G"), image}) &&
                    run(QStringLiteral("mkfs.ext4"), {QStringLiteral("-qF"), image}) &&
                    run(QStringLiteral("mount"), {QStringLiteral("-oloop"), image, m_root});
        return m_mounted;
    }

    QString m_name;
    QString m_root;
    bool m_mounted = false;
};

// The flush calls of one unattended install onto `stick`; -1 without strace.
int countFlushes(const QString &app, const QString &stick)
{
    const QString trace = stick + QStringLiteral(".trace");
    if (!QFile::exists(QStringLiteral("/usr/bin/strace")) ||
        runProcess(QStringLiteral("/usr/bin/strace"),
                   {QStringLiteral("-f"), QStringLiteral("-e"),
                    QStringLiteral("trace=fsync,fdatasync,syncfs"), QStringLiteral("-o"), trace,
                    app + QStringLiteral("/orvex-installer"), QStringLiteral("--unattended"),
                    QStringLiteral("--drive"), stick, QStringLiteral("--password"),
                    QStringLiteral("no")})
                .exitStatus != 0)
        return -1;
    QFile file(trace);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString calls = QString::fromLocal8Bit(file.readAll());
    return int(calls.count(QRegularExpression(QStringLiteral("\\b(fsync|fdatasync|syncfs)\\("))));
}

// Times five rounds of both copies onto `target` and prints the figures.
bool measure(const QString &app, const Target &target)
{
    std::vector<double> installer, copy;
    for (int round = 0; round < rounds; ++round) {
        const QString stick = target.m_root + QStringLiteral("/stick%1").arg(round);
        const QString plain = target.m_root + QStringLiteral("/plain%1").arg(round);
        QDir().mkpath(stick + QStringLiteral("/PSP/SYSTEM/BROWSER"));
        QDir().mkpath(plain);
        run(QStringLiteral("sync"), {QStringLiteral("-f"), target.m_root});
        // Turns about: neither goes first every time.
        ProcessRun a, b, c;
        const auto timeInstaller = [&] {
            a = runProcess(app + QStringLiteral("/orvex-installer"),
                           {QStringLiteral("--unattended"), QStringLiteral("--drive"), stick,
                            QStringLiteral("--password"), QStringLiteral("no")});
        };
        const auto timeCopy = [&] {
            b = runProcess(QStringLiteral("/bin/cp"),
                           {QStringLiteral("-r"), app + QStringLiteral("/Orvex"), plain});
            c = runProcess(QStringLiteral("/bin/sync"), {QStringLiteral("-f"), plain});
        };
        if (round % 2 == 0) {
            timeInstaller();
            timeCopy();
        } else {
            timeCopy();
            timeInstaller();
        }
        if (a.exitStatus != 0 || b.exitStatus != 0 || c.exitStatus != 0) {
            std::fprintf(stderr, "copy: a run failed (%d, %d, %d)\n", a.exitStatus, b.exitStatus,
                         c.exitStatus);
            return false;
        }
        installer.push_back(a.milliseconds);
        copy.push_back(b.milliseconds + c.milliseconds);
        QDir(stick).removeRecursively();
        QDir(plain).removeRecursively();
    }
    const QString counted = target.m_root + QStringLiteral("/counted");
    QDir().mkpath(counted + QStringLiteral("/PSP/SYSTEM/BROWSER"));
    const int flushCalls = countFlushes(app, counted);
    const double time = median(installer), floor = median(copy);
    std::printf("copy of %d files, %lld MiB onto %s (median of %d): installer %.1f ms, "
                "cp -r + sync -f %.1f ms, ratio %.2f; %d flush calls per install\n",
                folders * filesPerFolder, totalBytes >> 20, qPrintable(target.m_name), rounds, time,
                floor, time / floor, flushCalls);
    return true;
}

// The rounds in the guest, sourced by the tests' guest script: the payload in
// the guest's memory (its reads cost the same to both), the image mounted as a
// desktop mounts a stick but without `flush`, with which the kernel waits
// 100 ms after the close of each written file, 200 s for 2,000 files whoever
// writes them. Each round starts from the same empty file system; both run as
// the guest's root, whom the mount gives the same rights as its user. Prints
// "installer|copy MICROSECONDS" per run, "failed ..." when one fails.
const char *const fatRounds = R"job(app=/run/app stick=/run/ubda
cp -r "$payload" "$app" || echo "failed: the payload was not staged"
umount "$stick" && mount -t vfat -o uid=65534,gid=65534,shortname=mixed,utf8,fmask=0022,dmask=0022 \
    /dev/ubda "$stick" || echo "failed: no mount without flush"
timed() {
    local name=$1 start=$EPOCHREALTIME; shift
    "$@" > /dev/null 2>&1 || echo "failed: $name"
    echo "$name $((${EPOCHREALTIME/./} - ${start/./}))"
}
installer() { "$app/orvex-installer" --unattended --drive "$stick/psp" --password no; }
copy() { cp -r "$app/Orvex" "$stick/plain" && sync -f "$stick/plain"; }
for round in 0 1 2 3 4; do
    mkdir -p "$stick/psp/PSP/SYSTEM/BROWSER" && sync -f "$stick"
    if [ $((round % 2)) = 0 ]; then timed installer installer; timed copy copy
    else timed copy copy; timed installer installer; fi
    rm -r "$stick/psp" "$stick/plain" && sync -f "$stick"
done
)job";

// Five rounds of both copies onto vfat in a user-mode Linux; false when a run failed.
bool measureKernelFat(const QString &work, const QString &app)
{
    const QString name = QStringLiteral("vfat (FAT32, 1 GiB) in a user-mode Linux");
    const QString guest = QStringLiteral(ORVEX_KERNELFAT_GUEST);
    if (!QFile::exists(QStringLiteral("/usr/bin/linux.uml")) || !QFile::exists(guest)) {
        std::printf("copy onto %s: skipped, no linux.uml (user-mode-linux)\n", qPrintable(name));
        return true;
    }
    const QString image = work + QStringLiteral("/fat.img");
    const QString job = work + QStringLiteral("/fat.job");
    QFile imageFile(image);
    QFile jobFile(job);
    QProcess mkfs;
    mkfs.setStandardOutputFile(QProcess::nullDevice());
    if (!imageFile.open(QIODevice::WriteOnly) || !imageFile.resize(1LL << 30)) {
        std::fprintf(stderr, "copy: cannot make the FAT image %s\n", qPrintable(image));
        return false;
    }
    imageFile.close();
    mkfs.start(QStringLiteral("/usr/sbin/mkfs.vfat"),
               {QStringLiteral("-F"), QStringLiteral("32"), image});
    if (!mkfs.waitForFinished() || mkfs.exitCode() != 0 || !jobFile.open(QIODevice::WriteOnly) ||
        jobFile.write("payload=" + QFile::encodeName(app) + "\n" + fatRounds) < 0) {
        std::fprintf(stderr, "copy: cannot lay the FAT image and the guest's job in %s\n",
                     qPrintable(work));
        return false;
    }
    jobFile.close();
    QProcess guestKernel;
    guestKernel.setStandardInputFile(QProcess::nullDevice());
    guestKernel.start(QStringLiteral("/usr/bin/linux.uml"),
                      {QStringLiteral("mem=768M"), QStringLiteral("rootfstype=hostfs"),
                       QStringLiteral("rootflags=/"), QStringLiteral("ro"),
                       QStringLiteral("init=") + guest, QStringLiteral("ubd0=") + image,
                       QStringLiteral("con0=null,fd:1"), QStringLiteral("con=null"),
                       QStringLiteral("--"), job});
    guestKernel.waitForFinished(30 * 60 * 1000);
    QMap<QString, std::vector<double>> times;
    bool inGuest = false;
    bool failed = false;
    for (QByteArray line : guestKernel.readAllStandardOutput().split('\n')) {
        line = line.trimmed();
        if (line == "@@guest-begin" || line.startsWith("@@guest-end")) {
            inGuest = line == "@@guest-begin";
        } else if (inGuest && line.startsWith("failed")) {
            std::fprintf(stderr, "copy onto vfat: %s\n", line.constData());
            failed = true;
        } else if (const QList<QByteArray> words = line.split(' '); inGuest && words.size() == 2) {
            times[QString::fromLatin1(words[0])].push_back(words[1].toDouble() / 1000);
        }
    }
    if (failed)
        return false;
    if (times[QStringLiteral("installer")].size() != rounds ||
        times[QStringLiteral("copy")].size() != rounds) {
        std::fprintf(stderr, "copy onto vfat: the guest did not time %d rounds of each\n", rounds);
        return false;
    }
    const double time = median(times[QStringLiteral("installer")]);
    const double floor = median(times[QStringLiteral("copy")]);
    std::printf("copy of %d files, %lld MiB onto %s (median of %d): installer %.1f ms, "
                "cp -r + sync -f %.1f ms, ratio %.2f\n",
                folders * filesPerFolder, totalBytes >> 20, qPrintable(name), rounds, time, floor,
                time / floor);
    return true;
}

} // namespace

int main()
{
    // The payload lies on the build disk, where the benchmark runs.
    QTemporaryDir work(QDir::currentPath() + QStringLiteral("/orvex-copy-XXXXXX"));
    const QString app = work.path() + QStringLiteral("/app");
    if (!work.isValid() || !layPayload(app)) {
        std::fprintf(stderr, "copy: cannot lay the payload in %s\n", qPrintable(work.path()));
        return 1;
    }

    QTemporaryDir shm(QDir(QStringLiteral("/dev/shm")).exists()
                          ? QStringLiteral("/dev/shm/orvex-copy-XXXXXX")
                          : QDir::tempPath() + QStringLiteral("/orvex-copy-XXXXXX"));
    Target memory(QStringLiteral("a tmpfs of its own"), shm.path());
    if (!memory.mountTmpfs())
        memory.m_name = QStringLiteral("%1 (not root: no tmpfs of its own)").arg(shm.path());

    const QString disk = work.path() + QStringLiteral("/disk");
    QDir().mkpath(disk);
    Target ext4(QStringLiteral("ext4 on a loop-mounted image of the build disk"), disk);
    if (!ext4.mountExt4(work.path() + QStringLiteral("/disk.img")))
        ext4.m_name = QStringLiteral("a folder on the build disk (not root: no ext4 image)");

    const bool measured = measure(app, memory) && measure(app, ext4);
    return measureKernelFat(work.path(), app) && measured ? 0 : 1;
}
