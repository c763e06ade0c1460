#pragma once

#include <QString>

namespace orvex {
class MessagePresenter;
}

namespace orvex::menueditor {

class MenuEditor;

// menu.txt of one application folder as the menu editor loads and saves it,
// telling the user through message boxes what went wrong.
class MenuDocument
{
public:
    MenuDocument(const QString &applicationFolder, MessagePresenter &presenter);

    const QString &filePath() const { return m_path; }

    // Puts every line of the file into the editor. A missing file leaves the
    // editor empty; an unreadable one is reported, and the next save asks
    // before it replaces the file.
    void load(MenuEditor &editor);

    // Replaces the file with the editor's rows, atomically. True when written;
    // otherwise the old file is as it was and the user has been told why, or
    // the user chose to keep an unreadable file.
    bool save(const MenuEditor &editor);

private:
    QString m_path;
    MessagePresenter &m_presenter;
    bool m_confirmReplace = false;
};

} // namespace orvex::menueditor
