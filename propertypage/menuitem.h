#pragma once

#include "propertypage/rules/menudocument.h"
#include "propertypage/rules/menueditor.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orvex {

class PropertyPageSite;

// The property page of the Skin control: an editor for the menus in menu.txt
// (saved by its own OK button) and the control's ButtonMax option (written
// when the host applies the page). It reaches its host only through the site.
class MenuItem : public QWidget
{
    Q_OBJECT

public:
    // Design size of the page in twips.
    static constexpr int widthTwips = 10425;
    static constexpr int heightTwips = 8010;

    // Loads the menus of the site's application folder at once.
    explicit MenuItem(PropertyPageSite &site, QWidget *parent = nullptr);

    // The host handed the page a new selection: shows its ButtonMax.
    void selectionChanged();
    // Writes ButtonMax to the first selected object; false (and reported) when
    // that is not possible. Clears the changed flag on success.
    bool apply();
    bool isChanged() const { return m_changed; }

    const menueditor::MenuEditor &editor() const { return m_editor; }

private:
    void buildControls();
    void connectControls();
    void setChanged(bool changed);
    void reportError(const QString &text);
    // Shows the editor's lists and selection without raising the lists' signals.
    void showRows();

    void captionChanged(const QString &text);
    void nameChanged(const QString &text);
    void captionRowClicked();
    void nextRowClicked();
    void runAndShow(void (menueditor::MenuEditor::*operation)());

    PropertyPageSite &m_site;
    menueditor::MenuEditor m_editor;
    menueditor::MenuDocument m_document;
    bool m_changed = false;

    QGroupBox *m_frame = nullptr;
    QLineEdit *m_caption = nullptr;
    QLineEdit *m_name = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_down = nullptr;
    QPushButton *m_up = nullptr;
    QPushButton *m_prev = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_nxt = nullptr;
    QPushButton *m_insert = nullptr;
    QPushButton *m_delete = nullptr;
    QListWidget *m_captionList = nullptr;
    QListWidget *m_nameList = nullptr;
    QCheckBox *m_buttonMax = nullptr;
};

} // namespace orvex
