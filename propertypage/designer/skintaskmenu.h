#pragma once

#include <QDesignerTaskMenuExtension>
#include <QExtensionFactory>
#include <QPointer>

class QAction;

namespace orvex {

class Skin;

// The Skin control's task menu in Designer: "Edit Menus...", also run on a
// double-click, opens the MenuItem page for the control.
class SkinTaskMenu final : public QObject, public QDesignerTaskMenuExtension
{
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)

public:
    SkinTaskMenu(Skin *skin, QObject *parent);

    QAction *preferredEditAction() const override { return m_editMenus; }
    QList<QAction *> taskActions() const override { return {m_editMenus}; }

private:
    void editMenus();

    QPointer<Skin> m_skin;
    QAction *m_editMenus;
};

class SkinTaskMenuFactory final : public QExtensionFactory
{
    Q_OBJECT

public:
    explicit SkinTaskMenuFactory(QExtensionManager *parent);

protected:
    QObject *createExtension(QObject *object, const QString &iid, QObject *parent) const override;
};

} // namespace orvex
