// The menu strip: titles and drop-down menus read from menu.txt, and the
// MenuClick event for a chosen item.
#include "frame/twips.h"
#include "menu/menumodel.h"
#include "menupresenter.h"
#include "skin.h"

#include <QLabel>
#include <QMenu>
#include <cstdio>

namespace {
constexpr int titleGap = 200;
} // namespace

void Skin::LoadMenus()
{
    const orvex::menubar::LoadResult loaded = orvex::menubar::load(m_menuFolder);
    if (const QString warning = loaded.warning(); !warning.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(warning));
    if (loaded.status != orvex::menufile::ReadStatus::Loaded)
        return;

    const orvex::menubar::Menus &menus = loaded.menus;
    m_titles.front()->setText(menus.titles.front());
    m_titles.front()->adjustSize();
    for (qsizetype j = 1; j < menus.titles.size(); ++j) {
        const QLabel *previous = m_titles.back();
        auto *title = new QLabel(menus.titles[j], m_menuBar);
        title->setObjectName(previous->objectName());
        title->setAttribute(Qt::WA_TranslucentBackground);
        title->setAlignment(previous->alignment());
        title->setFont(previous->font());
        const double left = orvex::twips::fromPixels(previous->x() + previous->width()) + titleGap;
        title->move(orvex::twips::toPixelEdge(left), previous->y());
        title->adjustSize();
        title->installEventFilter(this);
        title->show();
        m_titles.append(title);
    }

    for (int slot = 0; slot < orvex::menubar::slotCount; ++slot) {
        if (!menus.hasFileItems(slot))
            continue;
        QMenu *core = m_menus[slot];
        const QString arrayName = core->actions().front()->objectName();
        const QList<orvex::menubar::Item> &items = menus.items[slot];
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
        for (const orvex::menubar::Item &item : items)
            names.append(item.name);
    }
}

void Skin::MenuTitle_Click(int index)
{
    if (index < 0 || index >= orvex::menubar::slotCount)
        return;
    QMenu *core = menu(index);
    const QPoint at(m_titles[index]->x(), m_menuBar->y() + m_menuBar->height());
    QAction *chosen = m_menuPresenter->exec(core, mapToGlobal(at));
    const qsizetype item = chosen ? core->actions().indexOf(chosen) : -1;
    if (item >= 0 && item < m_itemNames[index].size())
        emit MenuClick(m_itemNames[index][item]);
}

QMenu *Skin::menu(int slot) const
{
    if (slot < 0 || slot >= orvex::menubar::slotCount)
        return nullptr;
    QMenu *core = m_menus[slot];
    if (!m_pendingItems[slot].isEmpty()) {
        core->addActions(m_pendingItems[slot]);
        m_pendingItems[slot].clear();
    }
    return core;
}

QStringList Skin::itemNames(int slot) const
{
    return slot >= 0 && slot < orvex::menubar::slotCount ? m_itemNames[slot] : QStringList();
}
