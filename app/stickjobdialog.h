#pragma once

#include "install/copyprogress.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace orvex {

// The window-modal progress dialog of a job on the stick, titled "Orvex
// Tessary": what the job does, its figures, a bar with its percentage, and
// Cancel or "Close anyway" when the view offers one. Escape and the close
// button act as Cancel while it is offered, and do nothing otherwise.
class StickJobDialog : public QDialog
{
    Q_OBJECT

public:
    explicit StickJobDialog(QWidget *parent);

    void showView(const orvex::ProgressView &view);

Q_SIGNALS:
    void cancelPressed();
    void closeAnywayPressed();

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *m_action;
    QLabel *m_figures;
    QProgressBar *m_bar;
    QPushButton *m_button;
    orvex::ProgressView::Button m_offered = orvex::ProgressView::Button::Cancel;
};

} // namespace orvex
