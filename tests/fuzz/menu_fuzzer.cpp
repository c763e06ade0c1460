// Feeds arbitrary bytes as a menu file to the line reader, the record split and
// the menu model, and checks what must hold for every input.
#include "core/menu/menubar.h"
#include "core/menu/menufile.h"
#include "core/text/textlines.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace orvex;

void require(bool holds, const char *invariant)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}

// Item captions and names come from records, so these hold for them as well.
void checkRecord(const QString &line)
{
    const menufile::SplitLine split = menufile::splitLine(line);
    const menufile::Record &record = split.record;
    require(split.hasSeparator == line.contains(u'!'), "the separator is reported");
    require(!record.name.contains(u'!'), "a name holds no separator");
    require(split.hasSeparator ? record.name + u'!' + record.text == line
                               : record.name.isEmpty() && record.text == line,
            "name, separator and text make the line, or the text alone");
    require(menufile::checkRecord(record).ok(), "a read record can be written");

    const qsizetype markers = menufile::countMarkers(record.text);
    const QString caption = menufile::stripMarkers(record.text);
    require(caption == record.text.sliced(markers * 4), "stripping removes the counted markers");
    require(!caption.startsWith(QStringLiteral("....")), "no marker is left");
}

void checkMenus(const QStringList &lines)
{
    const menubar::Menus menus = menubar::build(lines);
    require(!menus.titles.isEmpty(), "there is always title 0");
    require(menus.titles.size() <= menubar::countLimit, "titles are capped");
    const qsizetype itemLines = std::count_if(lines.begin(), lines.end(), [](const QString &line) {
        return menufile::countMarkers(menufile::splitLine(line).record.text) != 0;
    });
    qsizetype items = 0;
    for (int slot = 0; slot < menubar::slotCount; ++slot) {
        require(menus.items[slot].size() <= menubar::countLimit, "items per title are capped");
        require(menus.items[slot].isEmpty() || slot < menus.titles.size(),
                "a slot with items has a title");
        items += menus.items[slot].size();
    }
    require(items <= itemLines, "no item comes from nowhere");
    require(menus.titles.size() <= std::max<qsizetype>(1, lines.size() - itemLines),
            "no title comes from nowhere");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList lines =
        textlines::split(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (const QString &line : lines)
        checkRecord(line);
    checkMenus(lines);
    return 0;
}
