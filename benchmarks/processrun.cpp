#include "processrun.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

ProcessRun runProcess(const QString &program, const QStringList &arguments,
                      const QStringList &extraEnvironment)
{
    std::vector<QByteArray> storage;
    storage.push_back(QFile::encodeName(program));
    for (const QString &argument : arguments)
        storage.push_back(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &bytes : storage)
        argv.push_back(bytes.data());
    argv.push_back(nullptr);

    std::vector<QByteArray> environmentStorage;
    for (char **entry = environ; *entry; ++entry)
        environmentStorage.emplace_back(*entry);
    for (const QString &entry : extraEnvironment)
        environmentStorage.push_back(entry.toLocal8Bit());
    std::vector<char *> envp;
    for (QByteArray &bytes : environmentStorage)
        envp.push_back(bytes.data());
    envp.push_back(nullptr);

    ProcessRun run;
    QElapsedTimer clock;
    clock.start();
    // The programs' own output would drown the figures.
    posix_spawn_file_actions_t quiet;
    ::posix_spawn_file_actions_init(&quiet);
    ::posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, argv[0], &quiet, nullptr, argv.data(), envp.data());
    ::posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return run;
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    run.milliseconds = double(clock.nsecsElapsed()) / 1e6;
    run.peakKilobytes = usage.ru_maxrss;
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}
