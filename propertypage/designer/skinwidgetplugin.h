#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace orvex {

// Makes the Skin control available in Designer's widget box, as a container
// in a group of its own, with the "Edit Menus..." task menu.
class SkinWidgetPlugin final : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit SkinWidgetPlugin(QObject *parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QString domXml() const override;
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface *core) override;
    // Creates the control with the edited form's folder as its application
    // folder, so that it shows that folder's menus.
    QWidget *createWidget(QWidget *parent) override;

private:
    bool m_initialized = false;
};

} // namespace orvex
