#pragma once

#include <QChar>
#include <QList>
#include <QStringList>

// Keyboard access to the menu strip: Alt and a title's first letter opens that
// title's menu, Left and Right step from one open menu to the next.
namespace orvex::menukeys {

struct Mnemonic
{
    QChar letter; // upper case
    int title;

    friend bool operator==(const Mnemonic &, const Mnemonic &) = default;
};

// The letters that open a menu, in title order. A title has one when its first
// character is a letter that starts no other title (without regard to case)
// and the title has a menu: it is one of the first `menuCount`.
QList<Mnemonic> mnemonics(const QStringList &titles, int menuCount);

// The menu that Left (direction -1) or Right (+1) moves to from `current`,
// among `menuCount` menus, round from either end to the other.
int step(int current, int direction, int menuCount);

} // namespace orvex::menukeys
