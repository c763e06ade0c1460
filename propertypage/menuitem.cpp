#include "propertypage/menuitem.h"

#include "core/frame/twips.h"
#include "propertypage/propertypagesite.h"
#include "propertypage/recordtextvalidator.h"
#include "propertypage/rules/buttonoptions.h"

#include <OrvexSkin/messagebox.h>
#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace orvex {

namespace {

template <typename Control>
Control *place(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *control = new Control(parent);
    control->setObjectName(QLatin1String(name));
    twips::setGeometry(control, QRectF(left, top, width, height));
    return control;
}

// A button that shows only an arrow picture.
QPushButton *placeArrow(QWidget *parent, const char *name, const char *direction, int left, int top,
                        int width, int height)
{
    auto *button = place<QPushButton>(parent, name, left, top, width, height);
    QIcon icon;
    for (const int size : {32, 16})
        icon.addFile(QStringLiteral(":/orvex/propertypage/arrow-%1-%2.png")
                         .arg(QLatin1String(direction))
                         .arg(size),
                     QSize(size, size));
    button->setIcon(icon);
    button->setIconSize(QSize(32, 32));
    button->setAutoDefault(false);
    return button;
}

QPushButton *placeButton(QWidget *parent, const char *name, const QString &caption, int left,
                         int top, int width, int height)
{
    auto *button = place<QPushButton>(parent, name, left, top, width, height);
    button->setText(caption);
    button->setAutoDefault(false);
    return button;
}

void updateRows(QListWidget *list, const QStringList &rows)
{
    for (int row = 0; row < list->count() && row < rows.size(); ++row) {
        if (list->item(row)->text() != rows[row])
            list->item(row)->setText(rows[row]);
    }
    while (list->count() > rows.size())
        delete list->takeItem(list->count() - 1);
    for (qsizetype row = list->count(); row < rows.size(); ++row)
        list->addItem(rows[row]);
}

} // namespace

MenuItem::MenuItem(PropertyPageSite &site, QWidget *parent)
    : QWidget(parent), m_site(site), m_document(site.applicationFolder(), site.messagePresenter())
{
    buildControls();
    m_document.load(m_editor);
    showRows();
    connectControls();
}

void MenuItem::buildControls()
{
    setObjectName(QStringLiteral("MenuItem"));
    // The controls are placed by hand, so the page asks for its design size.
    setMinimumSize(twips::toPixelSize(widthTwips, heightTwips));
    resize(minimumSize());

    m_frame = place<QGroupBox>(this, "Frame1", 75, 0, 6840, 7965);
    m_frame->setTitle(tr("Add Menu"));
    m_caption = place<QLineEdit>(m_frame, "txtCaption", 1245, 450, 3585, 405);
    m_caption->setValidator(
        new RecordTextValidator(RecordTextValidator::Field::Caption, m_caption));
    place<QLabel>(m_frame, "Label1", 285, 540, 675, 225)->setText(tr("Caption"));
    m_name = place<QLineEdit>(m_frame, "txtname", 1245, 930, 3585, 405);
    m_name->setValidator(new RecordTextValidator(RecordTextValidator::Field::Name, m_name));
    place<QLabel>(m_frame, "Label2", 315, 1050, 555, 255)->setText(tr("Name"));
    m_ok = placeButton(m_frame, "OK", tr("OK"), 5385, 450, 1275, 405);
    m_cancel = placeButton(m_frame, "Cancel", tr("Cancel"), 5355, 990, 1275, 405);
    m_down = placeArrow(m_frame, "down", "left", 225, 1650, 525, 495);
    m_up = placeArrow(m_frame, "up", "right", 765, 1650, 555, 495);
    m_prev = placeArrow(m_frame, "prev", "up", 1725, 1650, 525, 495);
    m_next = placeArrow(m_frame, "next", "down", 2235, 1650, 525, 495);
    m_nxt = placeButton(m_frame, "Nxt", tr("Next"), 2955, 1770, 1065, 345);
    m_insert = placeButton(m_frame, "Insert", tr("Insert"), 4095, 1770, 1215, 345);
    m_delete = placeButton(m_frame, "Delete", tr("Delete"), 5385, 1770, 1215, 345);
    m_captionList = place<QListWidget>(m_frame, "List1", 225, 2400, 6405, 5325);
    m_captionList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_nameList = place<QListWidget>(this, "List2", 4725, 1800, 1590, 2205);
    m_nameList->hide();
    m_buttonMax = place<QCheckBox>(this, "chkButtonMax", 7650, 450, 2700, 285);
    m_buttonMax->setText(QStringLiteral("ButtonMax"));

    const QList<QWidget *> tabOrder{m_cancel,  m_ok,          m_delete,   m_insert,   m_nxt,
                                    m_caption, m_name,        m_next,     m_prev,     m_down,
                                    m_up,      m_captionList, m_nameList, m_buttonMax};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void MenuItem::connectControls()
{
    using Editor = menueditor::MenuEditor;
    connect(m_caption, &QLineEdit::textChanged, this, &MenuItem::captionChanged);
    connect(m_name, &QLineEdit::textChanged, this, &MenuItem::nameChanged);
    connect(m_captionList, &QListWidget::itemSelectionChanged, this, &MenuItem::captionRowClicked);
    connect(m_nxt, &QPushButton::clicked, this, &MenuItem::nextRowClicked);
    connect(m_insert, &QPushButton::clicked, this, [this] { runAndShow(&Editor::insertRow); });
    connect(m_delete, &QPushButton::clicked, this, [this] { runAndShow(&Editor::deleteRow); });
    connect(m_up, &QPushButton::clicked, this, [this] { runAndShow(&Editor::indent); });
    connect(m_down, &QPushButton::clicked, this, [this] { runAndShow(&Editor::outdent); });
    connect(m_prev, &QPushButton::clicked, this, [this] { runAndShow(&Editor::moveUp); });
    connect(m_next, &QPushButton::clicked, this, [this] { runAndShow(&Editor::moveDown); });
    connect(m_ok, &QPushButton::clicked, this, [this] { m_document.save(m_editor); });
    // Fires for a value shown by selectionChanged() too, which marks the page
    // changed whenever the shown value differs from the box's.
    connect(m_buttonMax, &QCheckBox::stateChanged, this, [this] { setChanged(true); });
}

void MenuItem::selectionChanged()
{
    const Result<bool> value = buttonoptions::read(m_site.selectedObjects());
    if (!value.ok()) {
        reportError(value.status().failure().text());
        return;
    }
    m_buttonMax->setChecked(value.value());
}

bool MenuItem::apply()
{
    const Status written =
        buttonoptions::write(m_site.selectedObjects(), m_buttonMax->isChecked(),
                             [this](QObject *object, const char *name, const QVariant &value) {
                                 return m_site.writeProperty(object, name, value);
                             });
    if (!written.ok()) {
        reportError(written.failure().text());
        return false;
    }
    setChanged(false);
    return true;
}

void MenuItem::setChanged(bool changed)
{
    m_changed = changed;
    m_site.setChanged(changed);
}

void MenuItem::reportError(const QString &text)
{
    m_site.messagePresenter().show({QStringLiteral("MenuItem"), text, MessageIcon::Warning,
                                    MessageButtons::Ok, MessageAnswer::Ok});
}

void MenuItem::showRows()
{
    const QSignalBlocker blockCaptions(m_captionList);
    updateRows(m_captionList, m_editor.captions());
    updateRows(m_nameList, m_editor.names());
    const int selected = m_editor.selectedRow();
    if (selected >= 0 && selected < m_captionList->count())
        m_captionList->setCurrentRow(selected);
    else
        m_captionList->clearSelection();
}

void MenuItem::captionChanged(const QString &text)
{
    // Text set around the validator that a record cannot hold is taken back.
    if (!m_editor.setCaptionBox(text))
        m_caption->setText(m_editor.captionBox());
    showRows();
}

void MenuItem::nameChanged(const QString &text)
{
    if (!m_editor.setNameBox(text))
        m_name->setText(m_editor.nameBox());
    showRows();
}

void MenuItem::captionRowClicked()
{
    for (int row = 0; row < m_captionList->count(); ++row) {
        if (m_captionList->item(row)->isSelected()) {
            m_editor.clickRow(row);
            return;
        }
    }
}

void MenuItem::nextRowClicked()
{
    m_editor.goToNextRow();
    // The editor has emptied its boxes already, so these changes rewrite nothing.
    m_caption->clear();
    m_name->clear();
    showRows();
}

void MenuItem::runAndShow(void (menueditor::MenuEditor::*operation)())
{
    (m_editor.*operation)();
    showRows();
}

} // namespace orvex
