#pragma once

#include <QAbstractButton>

namespace orvex {

// An invisible button over a caption button that the control paints, so that
// screen readers can name and press it. The pointer passes through it to the
// caption strip, and it never takes focus.
class CaptionButtonProxy final : public QAbstractButton
{
    Q_OBJECT

public:
    CaptionButtonProxy(const QString &accessibleName, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace orvex
