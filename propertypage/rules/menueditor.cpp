#include "propertypage/rules/menueditor.h"

#include <algorithm>
#include <utility>

namespace orvex::menueditor {

namespace {
const QString marker = menufile::marker.toString();
} // namespace

void MenuEditor::loadLines(const QStringList &lines)
{
    m_captions.clear();
    m_names.clear();
    m_selectedRow = -1;
    QString name;
    for (const QString &line : lines) {
        // A line without "!" is a row with the whole line as text and, as the
        // control reads it, the name of the line before (none on the first).
        menufile::SplitLine split = menufile::splitLine(line);
        if (split.hasSeparator)
            name = std::move(split.record.name);
        m_names.append(name);
        m_captions.append(std::move(split.record.text));
    }
}

bool MenuEditor::acceptsCaption(QStringView text)
{
    return menufile::isValidText(text);
}

bool MenuEditor::acceptsName(QStringView text)
{
    return menufile::isValidName(text);
}

bool MenuEditor::setCaptionBox(const QString &text)
{
    if (!acceptsCaption(text))
        return false;
    if (text != m_captionBox) {
        m_captionBox = text;
        rewriteCaption();
    }
    return true;
}

bool MenuEditor::setNameBox(const QString &text)
{
    if (!acceptsName(text))
        return false;
    if (text != m_nameBox) {
        m_nameBox = text;
        rewriteName();
    }
    return true;
}

void MenuEditor::rewriteCaption()
{
    // Past the row count the typed text goes nowhere.
    if (m_currentRow > m_captions.size())
        return;
    const QString text = marker.repeated(m_indentLevel) + m_captionBox;
    if (m_currentRow == m_captions.size())
        m_captions.append(text);
    else
        m_captions[m_currentRow] = text;
    padNames();
}

void MenuEditor::rewriteName()
{
    if (m_currentRow > m_names.size())
        return;
    if (m_currentRow == m_names.size())
        m_names.append(m_nameBox);
    else
        m_names[m_currentRow] = m_nameBox;
}

void MenuEditor::padNames()
{
    while (m_names.size() < m_captions.size())
        m_names.append(QString());
}

void MenuEditor::select(std::int32_t row)
{
    m_selectedRow = row;
    m_currentRow = row;
}

void MenuEditor::goToNextRow()
{
    if (m_currentRow < maxRow)
        ++m_currentRow;
    setCaptionBox(QString());
    setNameBox(QString());
}

void MenuEditor::insertRow()
{
    if (m_currentRow < 0 || m_currentRow > m_captions.size())
        return;
    m_captions.insert(m_currentRow, QString());
    m_names.insert(m_currentRow, QString());
    select(m_currentRow);
}

void MenuEditor::deleteRow()
{
    if (m_currentRow < 0)
        return;
    if (m_currentRow < m_captions.size())
        m_captions.removeAt(m_currentRow);
    if (m_currentRow < m_names.size())
        m_names.removeAt(m_currentRow);
    if (m_selectedRow >= m_captions.size())
        m_selectedRow = -1;
}

void MenuEditor::indent()
{
    if (!isCaptionRow(m_currentRow) || m_indentLevel == maxIndentLevel)
        return;
    ++m_indentLevel;
    m_captions[m_currentRow].prepend(marker);
}

void MenuEditor::outdent()
{
    if (!isCaptionRow(m_currentRow))
        return;
    QString &row = m_captions[m_currentRow];
    if (row.startsWith(marker))
        row.remove(0, marker.size());
}

void MenuEditor::moveUp()
{
    if (m_currentRow <= 0 || !isCaptionRow(m_currentRow))
        return;
    m_captions.swapItemsAt(m_currentRow, m_currentRow - 1);
    m_names.swapItemsAt(m_currentRow, m_currentRow - 1);
    select(m_currentRow - 1);
}

void MenuEditor::moveDown()
{
    if (!isCaptionRow(m_currentRow) || !isCaptionRow(m_currentRow + 1))
        return;
    m_captions.swapItemsAt(m_currentRow, m_currentRow + 1);
    m_names.swapItemsAt(m_currentRow, m_currentRow + 1);
    select(m_currentRow + 1);
}

void MenuEditor::clickRow(std::int32_t row)
{
    if (isCaptionRow(row))
        select(row);
}

QList<menufile::Record> MenuEditor::records() const
{
    QList<menufile::Record> rows;
    rows.reserve(m_captions.size());
    for (qsizetype row = 0; row < m_captions.size(); ++row)
        rows.append({row < m_names.size() ? m_names[row] : QString(), m_captions[row]});
    return rows;
}

} // namespace orvex::menueditor
