#pragma once

#include "core/menu/menufile.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <limits>

namespace orvex::menueditor {

// The menu editor's state without widgets: the caption list (List1, level
// markers included), the name list (List2), the row being edited, the indent
// level for typed captions, the row shown selected and the two text boxes'
// contents. Every operation checks its bounds: one that does not apply to the
// current row leaves everything as it was.
class MenuEditor
{
public:
    static constexpr std::int16_t maxIndentLevel = std::numeric_limits<std::int16_t>::max();
    static constexpr std::int32_t maxRow = std::numeric_limits<std::int32_t>::max();

    // Replaces the lists with one row per line of the file.
    void loadLines(const QStringList &lines);

    const QStringList &captions() const { return m_captions; }
    // Never shorter than captions(): a row without a typed name has an empty one.
    const QStringList &names() const { return m_names; }
    std::int32_t currentRow() const { return m_currentRow; }
    std::int16_t indentLevel() const { return m_indentLevel; }
    // The row of the caption list shown selected, or -1.
    std::int32_t selectedRow() const { return m_selectedRow; }
    const QString &captionBox() const { return m_captionBox; }
    const QString &nameBox() const { return m_nameBox; }

    // Whether a text can stand in the caption or the name box: single-byte
    // characters without line breaks, and for a name no "!".
    static bool acceptsCaption(QStringView text);
    static bool acceptsName(QStringView text);

    // New content of the caption box. A change rewrites the current row of the
    // caption list (appends it at the row count). False, and nothing changes,
    // when the box does not accept the text.
    bool setCaptionBox(const QString &text);
    // New content of the name box; as setCaptionBox for the name list.
    bool setNameBox(const QString &text);

    // Nxt: on to the next row, then both boxes emptied (which rewrites that row
    // in each list whose box held text).
    void goToNextRow();
    // Insert: an empty row at the current row (appended at the row count), selected.
    void insertRow();
    // Delete: the current row removed from each list that has it.
    void deleteRow();
    // up: one more indent level and one more marker in front of the current row.
    void indent();
    // down: one marker less in front of the current row; the indent level stays.
    void outdent();
    // prev: the current row exchanged with the one above; the row follows.
    void moveUp();
    // next: the current row exchanged with the one below; the row follows.
    void moveDown();
    // A row of the caption list chosen by the user; -1 (no row) changes nothing.
    void clickRow(std::int32_t row);

    // The rows as file records, one per caption row.
    QList<menufile::Record> records() const;

private:
    bool isCaptionRow(std::int32_t row) const { return row >= 0 && row < m_captions.size(); }
    void rewriteCaption();
    void rewriteName();
    void padNames();
    void select(std::int32_t row);

    QStringList m_captions;
    QStringList m_names;
    std::int32_t m_currentRow = 0;
    std::int16_t m_indentLevel = 0;
    std::int32_t m_selectedRow = -1;
    QString m_captionBox;
    QString m_nameBox;
};

} // namespace orvex::menueditor
