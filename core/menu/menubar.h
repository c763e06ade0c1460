#pragma once

#include "core/menu/menufile.h"
#include "core/result.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

// What the menu strip shows, built from the lines of the menu definition file:
// the titles left to right, and for the first eight titles (slots 0 to 7) the
// items of their drop-down menus, top to bottom.
namespace orvex::menubar {

// Titles from this index on have no drop-down menu.
inline constexpr int slotCount = 8;

// The most titles, and the most items under one title; further lines are ignored.
inline constexpr qsizetype countLimit = 32767;

// Caption of title 0 until a file gives another.
inline constexpr QStringView designCaption = u"Menu";

struct Item
{
    QString caption;
    QString name; // reported when the item is chosen

    friend bool operator==(const Item &, const Item &) = default;
};

} // namespace orvex::menubar

// Items move by plain copy, so their lists grow with realloc.
Q_DECLARE_TYPEINFO(orvex::menubar::Item, Q_RELOCATABLE_TYPE);

namespace orvex::menubar {

struct Menus
{
    // Never empty: title 0 is the design caption unless the file gives a title.
    QStringList titles{designCaption.toString()};

    // Items of slots 0 to 7. A slot without items got none from the file: its
    // menu keeps the single empty design item, which has no name.
    std::array<QList<Item>, slotCount> items;

    bool hasFileItems(int slot) const { return !items[slot].isEmpty(); }
};

// Builds the menus from the file's lines. A line without "!" has the whole line
// as text and keeps the name of the line before it (empty on the first line);
// text with level markers is an item of the title above it, any other text (a
// blank line too) is a title. Items before the first title and under the ninth
// and later titles are dropped.
Menus build(QStringList lines);

// Reads the menu file of the application folder and builds its menus: the
// design menus when there is no file, a failure naming the file when it could
// not be read.
Result<Menus> load(const QString &applicationFolder);

// The warning for a menu file that could not be read, whose design menus stay.
QString unreadableWarning(const Failure &failure);

} // namespace orvex::menubar
