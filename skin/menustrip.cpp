#include "core/frame/twips.h"
#include "core/menu/menubar.h"
#include "core/menu/menukeys.h"
#include "skin/menustrip_p.h"
#include "skin/skinlogging_p.h"
#include "skin/surface_p.h"

#include <OrvexSkin/menupresenter.h>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QShortcut>

namespace orvex {

namespace {
constexpr int titleGap = 200;
// How far the highlight reaches past a title's text on either side: less than
// half the gap between two titles.
constexpr int highlightMargin = 60;
} // namespace

MenuStrip::MenuStrip(QWidget *control)
    : m_control(control), m_menuBar(new SurfaceWidget(control)),
      m_highlightBox(new QWidget(m_menuBar))
{
    setPresenter(nullptr);
    m_menuBar->setObjectName(QStringLiteral("MenuBar"));
    m_menuBar->surface().setBackColor(control->palette().color(QPalette::Base));
    m_menuBar->place(twips::toPixelRect(QRectF(0, 315, 8790, 240)));
    m_highlightBox->setBackgroundRole(QPalette::Highlight);
    m_highlightBox->setAutoFillBackground(true);
    m_highlightBox->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_highlightBox->hide();

    QLabel *first = addTitle(tr("Menu"));
    first->setObjectName(QStringLiteral("Label"));
    first->setAlignment(Qt::AlignCenter);
    first->adjustSize();
    first->move(twips::toPixelRect(QRectF(165, 0, 435, 195)).topLeft());

    static constexpr std::array<const char *, menubar::slotCount> itemArrays = {"a", "b", "c", "d",
                                                                                "e", "f", "g", "h"};
    for (int slot = 0; slot < menubar::slotCount; ++slot) {
        auto *core = new QMenu(QStringLiteral("Core"), control);
        core->setObjectName(QStringLiteral("Core"));
        QAction *designItem = core->addAction(QString());
        designItem->setObjectName(QString::fromLatin1(itemArrays[slot]));
        m_menus[slot] = core;
    }
}

MenuStrip::~MenuStrip() = default;

QLabel *MenuStrip::addTitle(const QString &text)
{
    auto *title = new QLabel(text, m_menuBar);
    title->setAttribute(Qt::WA_TranslucentBackground);
    title->installEventFilter(this);
    m_titles.append(title);
    return title;
}

void MenuStrip::LoadMenus(const QString &folder)
{
    const Result<menubar::Menus> loaded = menubar::load(folder);
    if (!loaded.ok()) {
        qCWarning(lcSkin, "%s", qPrintable(menubar::unreadableWarning(loaded.status().failure())));
    } else {
        const menubar::Menus &menus = loaded.value();
        m_titles.front()->setText(menus.titles.front());
        m_titles.front()->adjustSize();
        for (qsizetype j = 1; j < menus.titles.size(); ++j) {
            const QLabel *previous = m_titles.back();
            QLabel *title = addTitle(menus.titles[j]);
            title->setObjectName(previous->objectName());
            title->setAlignment(previous->alignment());
            title->setFont(previous->font());
            const double left = twips::fromPixels(previous->x() + previous->width()) + titleGap;
            title->move(twips::toPixelEdge(left), previous->y());
            title->adjustSize();
            title->show();
        }
        for (int slot = 0; slot < menubar::slotCount; ++slot) {
            if (!menus.hasFileItems(slot))
                continue;
            QMenu *core = m_menus[slot];
            const QString arrayName = core->actions().front()->objectName();
            const QList<menubar::Item> &items = menus.items[slot];
            core->actions().front()->setText(items.front().caption);
            // Qt checks every action already in a menu for each one added, so a
            // long menu is filled when it is first asked for, not at start-up.
            QList<QAction *> &pending = m_pendingItems[slot];
            pending.reserve(items.size() - 1);
            for (qsizetype i = 1; i < items.size(); ++i) {
                auto *item = new QAction(items[i].caption, core);
                item->setObjectName(arrayName);
                pending.append(item);
            }
            QStringList &names = m_itemNames[slot];
            names.reserve(items.size());
            for (const menubar::Item &item : items)
                names.append(item.name);
        }
    }
    addKeys();
}

void MenuStrip::addKeys()
{
    // The keys belong to the strip: while it is hidden they do nothing.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), m_menuBar);
    connect(f10, &QShortcut::activated, this, [this] { open(0, Opening::Keyboard); });
    QStringList texts;
    for (const QLabel *title : std::as_const(m_titles))
        texts.append(title->text());
    for (const menukeys::Mnemonic &mnemonic : menukeys::mnemonics(texts, menuCount())) {
        const QKeyCombination key(Qt::AltModifier, Qt::Key(mnemonic.letter.unicode()));
        auto *shortcut = new QShortcut(QKeySequence(key), m_menuBar);
        connect(shortcut, &QShortcut::activated, this,
                [this, index = mnemonic.title] { open(index, Opening::Keyboard); });
    }
}

void MenuStrip::setPresenter(MenuPresenter *presenter)
{
    if (!presenter) {
        if (!m_ownPresenter)
            m_ownPresenter = std::make_unique<QtMenuPresenter>();
        presenter = m_ownPresenter.get();
    }
    m_presenter = presenter;
}

QMenu *MenuStrip::menu(int slot) const
{
    if (slot < 0 || slot >= menubar::slotCount)
        return nullptr;
    QMenu *core = m_menus[slot];
    if (!m_pendingItems[slot].isEmpty()) {
        core->addActions(m_pendingItems[slot]);
        m_pendingItems[slot].clear();
    }
    return core;
}

QStringList MenuStrip::itemNames(int slot) const
{
    return slot >= 0 && slot < menubar::slotCount ? m_itemNames[slot] : QStringList();
}

int MenuStrip::menuCount() const
{
    return int(std::min<qsizetype>(m_titles.size(), menubar::slotCount));
}

void MenuStrip::clickTitle(int index)
{
    open(index, Opening::Pointer);
}

void MenuStrip::open(int index, Opening opening)
{
    std::optional<int> next = index;
    while (next && *next >= 0 && *next < menuCount()) {
        const int slot = *next;
        QLabel *title = m_titles[slot];
        QMenu *core = menu(slot);
        if (opening == Opening::Keyboard)
            core->setActiveAction(core->actions().front());
        highlight(title);
        m_openSlot = slot;
        m_stepTo.reset();
        core->installEventFilter(this);
        const QPoint at(title->x(), m_menuBar->y() + m_menuBar->height());
        QAction *chosen = m_presenter->exec(core, m_control->mapToGlobal(at));
        core->removeEventFilter(this);
        m_openSlot = -1;
        highlight(title->underMouse() ? title : nullptr);
        const qsizetype item = chosen ? core->actions().indexOf(chosen) : -1;
        if (item >= 0 && item < m_itemNames[slot].size())
            Q_EMIT MenuClick(m_itemNames[slot][item]);
        next = chosen ? std::nullopt : m_stepTo;
        opening = Opening::Keyboard;
    }
}

bool MenuStrip::eventFilter(QObject *watched, QEvent *event)
{
    if (m_openSlot >= 0 && watched == m_menus[m_openSlot])
        return stepFromOpenMenu(watched, event);
    const qsizetype index = m_titles.indexOf(qobject_cast<QLabel *>(watched));
    if (index < 0)
        return false;
    switch (event->type()) {
    case QEvent::Enter:
        highlight(m_titles[index]);
        return false;
    case QEvent::Leave:
        if (m_highlighted == m_titles[index] && index != m_openSlot)
            highlight(nullptr);
        return false;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton &&
            m_titles[index]->rect().contains(mouse->position().toPoint()))
            clickTitle(int(index));
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return true;
    default:
        return false;
    }
}

bool MenuStrip::stepFromOpenMenu(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right)
        return false;
    const int towardsRight = m_control->isRightToLeft() ? -1 : 1;
    m_stepTo = menukeys::step(m_openSlot, key == Qt::Key_Right ? towardsRight : -towardsRight,
                              menuCount());
    static_cast<QMenu *>(watched)->close();
    return true;
}

void MenuStrip::highlight(QLabel *title)
{
    if (m_highlighted)
        m_highlighted->setForegroundRole(QPalette::WindowText);
    m_highlighted = title;
    m_highlightBox->setVisible(title);
    if (!title)
        return;
    title->setForegroundRole(QPalette::HighlightedText);
    const int margin = twips::toPixelEdge(highlightMargin);
    m_highlightBox->setGeometry(title->x() - margin, 0, title->width() + 2 * margin,
                                m_menuBar->height());
    m_highlightBox->lower();
}

} // namespace orvex
