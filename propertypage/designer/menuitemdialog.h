#pragma once

#include "propertypage/propertypagesite.h"

#include <OrvexSkin/messagebox.h>
#include <QDialog>
#include <QPointer>

class QDesignerFormWindowInterface;
class QPushButton;

namespace orvex {

class MenuItem;

// Designer's property dialog for one widget: the MenuItem page on a tab, with
// OK, Cancel and Apply. Applying writes through the form window's cursor, so
// that Designer records the change (marked form, undo step, saved .ui).
class MenuItemDialog final : public QDialog, public PropertyPageSite
{
    Q_OBJECT

public:
    MenuItemDialog(QWidget *target, QDesignerFormWindowInterface *form, QWidget *parent = nullptr);

    MenuItem *page() const { return m_page; }

    QList<QObject *> selectedObjects() const override;
    void setChanged(bool changed) override;
    QString applicationFolder() const override;
    MessagePresenter &messagePresenter() override { return m_presenter; }
    bool writeProperty(QObject *object, const char *name, const QVariant &value) override;

    // Applies the page when it has changes; false when that failed.
    bool applyChanges();

private:
    QPointer<QWidget> m_target;
    QPointer<QDesignerFormWindowInterface> m_form;
    QtMessagePresenter m_presenter;
    QPushButton *m_apply = nullptr;
    MenuItem *m_page = nullptr;
};

} // namespace orvex
