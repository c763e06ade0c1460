#include "install/linescanner.h"

#include <algorithm>

namespace orvex {

namespace {

constexpr QByteArrayView byteOrderMark = "\xEF\xBB\xBF";

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

LineScanner::LineScanner(QList<QByteArray> wanted, Keep keep, Output output)
    : m_wanted(std::move(wanted)), m_keep(std::move(keep)), m_output(std::move(output)),
      m_counts(m_wanted.size(), 0)
{
    for (const QByteArray &line : std::as_const(m_wanted))
        m_longest = std::max(m_longest, line.size());
}

void LineScanner::feed(QByteArrayView block)
{
    qsizetype at = 0;
    if (m_afterCr && !block.isEmpty()) {
        m_afterCr = false;
        if (block.front() == '\n') {
            if (!m_dropLf)
                pass(block.first(1));
            at = 1;
        }
    }
    while (at < block.size()) {
        const auto end = std::find_if(block.begin() + at, block.end(), isLineEnd);
        const QByteArrayView part = block.sliced(at, end - (block.begin() + at));
        if (m_candidate) {
            m_line += part;
            // The byte-order mark may precede the first line.
            if (m_line.size() > m_longest + (m_firstLine ? byteOrderMark.size() : 0)) {
                m_candidate = false;
                pass(m_line);
                m_line.clear();
            }
        } else {
            pass(part);
        }
        at = end - block.begin();
        if (at == block.size())
            break;
        const char c = block[at++];
        if (c == '\n') {
            endLine("\n");
            continue;
        }
        // A CR: the line end is CR LF when an LF follows, here or in the next block.
        if (at < block.size() && block[at] == '\n') {
            endLine("\r\n");
            ++at;
        } else if (at < block.size()) {
            endLine("\r");
        } else {
            endLine("\r");
            m_afterCr = true;
        }
    }
}

void LineScanner::finish()
{
    if (m_candidate && !m_line.isEmpty()) {
        endLine({});
    } else {
        pass(m_line);
        m_line.clear();
    }
}

void LineScanner::endLine(QByteArrayView lineEnd)
{
    bool kept = true;
    if (m_candidate) {
        QByteArrayView content = m_line;
        QByteArrayView mark;
        if (m_firstLine && content.startsWith(byteOrderMark)) {
            mark = content.first(byteOrderMark.size());
            content = content.sliced(byteOrderMark.size());
        }
        const auto found =
            std::find_if(m_wanted.cbegin(), m_wanted.cend(),
                         [&](const QByteArray &line) { return QByteArrayView(line) == content; });
        if (found != m_wanted.cend()) {
            const qsizetype index = found - m_wanted.cbegin();
            kept = !m_keep || m_keep(index, m_counts[index]);
            ++m_counts[index];
        }
        pass(mark, false);
        if (kept)
            pass(content);
    }
    if (kept)
        pass(lineEnd);
    m_dropLf = !kept && lineEnd == "\r";
    m_line.clear();
    m_candidate = true;
    m_firstLine = false;
}

void LineScanner::pass(QByteArrayView bytes, bool textual)
{
    if (bytes.isEmpty())
        return;
    if (textual)
        m_endsWithLineEnd = isLineEnd(bytes.back());
    if (m_output)
        m_output(bytes);
}

} // namespace orvex
