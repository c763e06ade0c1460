#include "skin/captionbuttonproxy_p.h"

namespace orvex {

CaptionButtonProxy::CaptionButtonProxy(const QString &accessibleName, QWidget *parent)
    : QAbstractButton(parent)
{
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void CaptionButtonProxy::paintEvent(QPaintEvent *) {}

} // namespace orvex
