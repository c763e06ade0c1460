#include "app/drivelist.h"

#include "app/windowlogging.h"

#include <QAbstractItemView>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QStylePainter>

namespace orvex {

namespace {

using namespace orvex::drives;

// What the box says while it lists no drive.
QString placeholderWords()
{
    return DriveList::tr("Connect the PSP in USB mode");
}

// Names longer than this many average characters are elided in their middle
// in the open list; the closed box cuts them down to this many characters.
constexpr int nameCharacters = 32;
constexpr int shortestName = 7;

} // namespace

DriveList::DriveList(VolumeSource source, const QStringList &commandLineDrives, QWidget *parent)
    : QComboBox(parent), m_source(std::move(source)), m_commandLineDrives(commandLineDrives),
      m_choice(commandLineDrives.value(0)),
      m_prober(m_source.probe, this,
               [this](const QString &path, const VolumeFacts &facts) { answered(path, facts); })
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &DriveList::showEntries);
    connect(this, &QComboBox::activated, this, [this](int index) {
        m_choice.choose(index);
        qCDebug(lcWindow).noquote() << "chosen drive:" << m_choice.drive();
    });
    if (m_source.followChanges)
        m_source.followChanges(this, [this] { refresh(); });
    refresh();
}

QString DriveList::currentDrive() const
{
    return m_choice.drive();
}

const Entry *DriveList::currentEntry() const
{
    const int current = m_choice.current();
    return current < 0 ? nullptr : &m_choice.entries()[current];
}

void DriveList::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    if (currentIndex() < 0) {
        option.palette.setBrush(QPalette::ButtonText, option.palette.placeholderText());
        option.currentText = placeholderText();
    }
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect text =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const int current = m_choice.current();
    option.currentText =
        current < 0 ? fontMetrics().elidedText(option.currentText, Qt::ElideRight, text.width())
                    : fitted(m_choice.entries()[current], text.width());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

QString DriveList::fitted(const Entry &entry, int width) const
{
    const QFontMetrics metrics = fontMetrics();
    // The name keeps a few letters at each end, enough to tell two sticks apart.
    const QString shortest =
        entry.name.size() > shortestName
            ? entry.name.left(shortestName - 3) + QStringLiteral("…") + entry.name.right(2)
            : entry.name;
    for (const bool withTotal : {true, false}) {
        const int room = width - metrics.horizontalAdvance(entry.textWith({}, withTotal));
        if (room >= metrics.horizontalAdvance(shortest))
            return entry.textWith(metrics.elidedText(entry.name, Qt::ElideMiddle, room), withTotal);
    }
    return metrics.elidedText(entry.text(false), Qt::ElideRight, width);
}

void DriveList::setPayloadNeeds(const PayloadNeeds &needs)
{
    m_needs = needs;
    showEntries();
}

void DriveList::refresh()
{
    m_places = places(m_source.mounts(), m_commandLineDrives);
    look(m_probes.want(m_places, ProbeClock::now()));
    showEntries();
}

void DriveList::answered(const QString &path, const VolumeFacts &facts)
{
    if (m_probes.answered(path, facts, ProbeClock::now()))
        look({path});
    showEntries();
}

void DriveList::look(const QStringList &paths)
{
    for (const QString &path : paths) {
        // A look that could not start stays pending and shows as not answering.
        if (!m_prober.start(path))
            qCWarning(lcWindow) << "no thread to look at" << path;
    }
}

void DriveList::showEntries()
{
    const ProbeClock::time_point now = ProbeClock::now();
    if (const auto next = m_probes.nextDeadline(now))
        m_deadline.start(std::chrono::ceil<std::chrono::milliseconds>(*next - now));
    QList<Place> seen;
    for (const Place &place : std::as_const(m_places))
        seen.append(m_probes.seen(place, now));
    if (!m_choice.update(entries(seen, locale(), m_needs)))
        return;

    const QSignalBlocker quiet(this);
    clear();
    const QList<Entry> &list = m_choice.entries();
    const int nameWidth = fontMetrics().averageCharWidth() * nameCharacters;
    int widest = width();
    auto *items = qobject_cast<QStandardItemModel *>(model());
    for (const Entry &entry : list) {
        const QString text = fontMetrics().elidedText(entry.name, Qt::ElideMiddle, nameWidth) +
                             entry.text().mid(entry.name.size());
        addItem(text, entry.drive);
        setItemData(count() - 1, entry.drive, Qt::ToolTipRole);
        items->item(count() - 1)->setEnabled(entry.selectable);
        widest = std::max(widest, fontMetrics().horizontalAdvance(text));
        qCDebug(lcWindow).noquote() << "entry:" << entry.text();
    }
    if (list.isEmpty()) {
        addItem(placeholderWords());
        items->item(0)->setEnabled(false);
    }
    setPlaceholderText(list.isEmpty() ? placeholderWords() : QString());
    setCurrentIndex(m_choice.current());
    // The open list may be wider than the box, so that whole entries show.
    const int margins = 4 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
                        view()->verticalScrollBar()->sizeHint().width();
    const QScreen *screen = this->screen();
    view()->setMinimumWidth(screen ? std::min(widest + margins, screen->availableGeometry().width())
                                   : widest + margins);
    qCDebug(lcWindow).noquote() << "chosen drive:" << m_choice.drive();
}

} // namespace orvex
