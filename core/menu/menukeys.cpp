#include "core/menu/menukeys.h"

#include <algorithm>

namespace orvex::menukeys {

namespace {

QChar firstLetter(const QString &title)
{
    return title.isEmpty() ? QChar() : title.front().toUpper();
}

} // namespace

QList<Mnemonic> mnemonics(const QStringList &titles, int menuCount)
{
    QList<Mnemonic> found;
    for (int i = 0; i < std::min<qsizetype>(menuCount, titles.size()); ++i) {
        const QChar letter = firstLetter(titles[i]);
        const auto sharing = [letter](const QString &title) {
            return firstLetter(title) == letter;
        };
        if (letter.isLetter() && std::count_if(titles.begin(), titles.end(), sharing) == 1)
            found.append({letter, i});
    }
    return found;
}

int step(int current, int direction, int menuCount)
{
    if (menuCount <= 0)
        return current;
    return ((current + direction) % menuCount + menuCount) % menuCount;
}

} // namespace orvex::menukeys
