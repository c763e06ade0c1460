#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <functional>

namespace orvex {

// Reads a single-byte text block by block and recognises the lines equal to
// one of `wanted`, byte for byte. A line ends at CR LF, a lone CR or a lone LF;
// a UTF-8 byte-order mark at the start is not part of the first line. Memory
// stays bounded by the longest wanted line, whatever the text's size.
//
// With an output, the scanner also copies the text, leaving out each
// recognised line (and its line end) that `keep` turns down; every other byte,
// the byte-order mark included, passes unchanged.
class LineScanner
{
public:
    // Whether a recognised line stays: its index in `wanted`, and how many
    // lines equal to it came before.
    using Keep = std::function<bool(qsizetype wanted, int before)>;
    using Output = std::function<void(QByteArrayView bytes)>;

    explicit LineScanner(QList<QByteArray> wanted, Keep keep = {}, Output output = {});

    void feed(QByteArrayView block);
    // Ends the text: its last line may lack a line end.
    void finish();

    // How many lines equal `wanted[index]`.
    int count(qsizetype index) const { return m_counts[index]; }
    // True when the text, or the copy with an output, is empty or ends with a line end.
    bool endsWithLineEnd() const { return m_endsWithLineEnd; }

private:
    void endLine(QByteArrayView lineEnd);
    // Hands kept bytes on; `textual` false for the byte-order mark, which
    // separates no lines.
    void pass(QByteArrayView bytes, bool textual = true);

    QList<QByteArray> m_wanted;
    Keep m_keep;
    Output m_output;
    QList<int> m_counts;
    qsizetype m_longest = 0;
    QByteArray m_line;       // the current line, held back while it may be a wanted one
    bool m_candidate = true; // the current line is short enough to be a wanted one
    bool m_firstLine = true;
    bool m_afterCr = false; // the last byte was a CR: an LF now belongs to it
    bool m_dropLf = false;  // that CR ended a line that was left out
    bool m_endsWithLineEnd = true;
};

} // namespace orvex
