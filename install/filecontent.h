#pragma once

#include "core/result.h"
#include "install/stick/folder.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

namespace orvex {

// Takes a file's bytes block by block, in order.
using ByteSink = std::function<Status(QByteArrayView bytes)>;

// Hands the bytes a file is to hold to a sink, from their start. The install
// asks twice: once to write the file, once more to compare what the stick kept.
using ByteSource = std::function<Status(const ByteSink &sink)>;

// The source of bytes held in memory.
ByteSource bytesSource(QByteArray bytes);

// Hands the `size` bytes of `file` to `sink` block by block; fewer is a failure.
Status readBlocks(stick::File &file, qint64 size, const ByteSink &sink);

// Reads `written` back, its cached bytes dropped by the caller (`File::dropCache`), and
// compares it from the byte `from` on with what `expected` gives. A difference is a refusal that
// names the file as `shownName`: the stick did not keep it.
Status readBack(stick::File &written, const ByteSource &expected, const QString &shownName,
                qint64 from = 0);

} // namespace orvex
