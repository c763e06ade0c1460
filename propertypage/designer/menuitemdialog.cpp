#include "propertypage/designer/menuitemdialog.h"

#include "propertypage/designer/designfolder.h"
#include "propertypage/menuitem.h"

#include <QDesignerFormWindowCursorInterface>
#include <QDesignerFormWindowInterface>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvex {

MenuItemDialog::MenuItemDialog(QWidget *target, QDesignerFormWindowInterface *form, QWidget *parent)
    : QDialog(parent), m_target(target), m_form(form), m_presenter(this)
{
    setWindowTitle(tr("Property Pages"));
    auto *tabs = new QTabWidget(this);
    auto *buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    m_apply = buttons->button(QDialogButtonBox::Apply);
    m_apply->setEnabled(false);

    m_page = new MenuItem(*this);
    tabs->addTab(m_page, QStringLiteral("MenuItem"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (applyChanges())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_apply, &QPushButton::clicked, this, &MenuItemDialog::applyChanges);

    m_page->selectionChanged();
}

QList<QObject *> MenuItemDialog::selectedObjects() const
{
    if (!m_target)
        return {};
    return {m_target.data()};
}

void MenuItemDialog::setChanged(bool changed)
{
    if (m_apply)
        m_apply->setEnabled(changed);
}

QString MenuItemDialog::applicationFolder() const
{
    return designfolder::forForm(m_form);
}

bool MenuItemDialog::writeProperty(QObject *object, const char *name, const QVariant &value)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!m_form || !widget || !m_form->cursor())
        return PropertyPageSite::writeProperty(object, name, value);
    m_form->cursor()->setWidgetProperty(widget, QLatin1String(name), value);
    return true;
}

bool MenuItemDialog::applyChanges()
{
    return !m_page->isChanged() || m_page->apply();
}

} // namespace orvex
