#include "core/menu/menubar.h"

#include <QDir>

namespace orvex::menubar {

Menus build(QStringList lines)
{
    Menus menus;
    qsizetype titleCount = 0;
    qsizetype itemIndex = 0; // index of the next item under the current title
    QString name;            // the name of the last line that had a "!"
    for (QString &line : lines) {
        menufile::SplitLine split = menufile::splitLine(std::move(line));
        // A line without "!" yields no name of its own and keeps the current one.
        if (split.hasSeparator)
            name = std::move(split.record.name);
        QString &text = split.record.text;
        if (menufile::countMarkers(text) != 0) {
            if (itemIndex >= countLimit)
                continue;
            const qsizetype slot = titleCount - 1;
            if (slot >= 0 && slot < slotCount)
                menus.items[slot].append({menufile::stripMarkers(std::move(text)), name});
            ++itemIndex;
        } else {
            if (titleCount >= countLimit)
                continue;
            itemIndex = 0;
            if (titleCount == 0)
                menus.titles.first() = std::move(text);
            else
                menus.titles.append(std::move(text));
            ++titleCount;
        }
    }
    return menus;
}

Result<Menus> load(const QString &applicationFolder)
{
    Result<std::optional<QStringList>> read = menufile::read(menufile::path(applicationFolder));
    if (!read.ok())
        return read.status();
    if (!read.value())
        return Menus();
    return build(std::move(*read.value()));
}

QString unreadableWarning(const Failure &failure)
{
    return QStringLiteral("warning: cannot read the menu file %1 (%2); the design menus stay")
        .arg(QDir::toNativeSeparators(failure.path), failure.why());
}

} // namespace orvex::menubar
