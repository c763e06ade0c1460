#pragma once

#include <QStringList>
#include <vector>

// One run of a program: its wall time from start to exit and its peak memory.
struct ProcessRun
{
    double milliseconds = 0;
    long peakKilobytes = 0;
    int exitStatus = -1;
};

// Starts `program` with `arguments` and `extraEnvironment` ("NAME=value"
// entries added to this process's) and waits for it.
ProcessRun runProcess(const QString &program, const QStringList &arguments,
                      const QStringList &extraEnvironment = {});

// The middle value.
double median(std::vector<double> values);
