#include "app/stickjobdialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvex {

StickJobDialog::StickJobDialog(QWidget *parent)
    : QDialog(parent), m_action(new QLabel(this)), m_figures(new QLabel(this)),
      m_bar(new QProgressBar(this)), m_button(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("CopyProgress"));
    setWindowTitle(QStringLiteral("Orvex Tessary"));
    setWindowModality(Qt::WindowModal);
    setMinimumWidth(420);
    m_action->setObjectName(QStringLiteral("Action"));
    m_figures->setObjectName(QStringLiteral("Figures"));
    // The percentage sits in the middle of the bar, clear of its edges.
    m_bar->setAlignment(Qt::AlignCenter);
    m_bar->setFormat(QStringLiteral("%p%"));
    m_button->setAutoDefault(false);
    // Rows stay where they are when the button is not offered.
    QSizePolicy keepRoom = m_button->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_button->setSizePolicy(keepRoom);
    connect(m_button, &QPushButton::clicked, this, [this] {
        if (m_offered == orvex::ProgressView::Button::CloseAnyway)
            Q_EMIT closeAnywayPressed();
        else
            Q_EMIT cancelPressed();
    });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_action);
    layout->addWidget(m_figures);
    layout->addWidget(m_bar);
    layout->addLayout(buttons);
}

void StickJobDialog::showView(const orvex::ProgressView &view)
{
    // A long file name is cut in its middle rather than widening the dialog.
    const int room = std::max(m_action->width(), minimumWidth() - 40);
    m_action->setText(fontMetrics().elidedText(view.action, Qt::ElideMiddle, room));
    m_figures->setText(view.figures);
    m_bar->setRange(0, view.barMaximum);
    m_bar->setValue(view.barValue);
    // Screen readers name the bar after what the job does; a busy bar has no
    // figures to read, so it says so. Set on a change only: each is announced.
    const QString busy = view.barMaximum == 0 ? tr("Busy") : QString();
    if (m_bar->accessibleName() != view.action || m_bar->accessibleDescription() != busy) {
        m_bar->setAccessibleName(view.action);
        m_bar->setAccessibleDescription(busy);
    }
    m_offered = view.button;
    m_button->setVisible(view.button != orvex::ProgressView::Button::None);
    m_button->setText(view.button == orvex::ProgressView::Button::CloseAnyway ? tr("Close anyway")
                                                                              : tr("Cancel"));
}

void StickJobDialog::reject()
{
    if (m_offered == orvex::ProgressView::Button::Cancel)
        Q_EMIT cancelPressed();
}

void StickJobDialog::closeEvent(QCloseEvent *event)
{
    event->ignore();
    reject();
}

} // namespace orvex
