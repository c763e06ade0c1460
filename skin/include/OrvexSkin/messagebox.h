#pragma once

#include <OrvexSkin/messages.h>

class QWidget;

namespace orvex {

// Shows a request as a modal QMessageBox over the given parent.
class ORVEX_SKIN_EXPORT QtMessagePresenter final : public MessagePresenter
{
public:
    explicit QtMessagePresenter(QWidget *parent = nullptr) : m_parent(parent) {}
    MessageAnswer show(const MessageRequest &request) override;

private:
    QWidget *m_parent;
};

} // namespace orvex
