#include "propertypage/designer/designfolder.h"

#include <QDesignerFormWindowInterface>
#include <QDir>
#include <QFileInfo>

namespace orvex::designfolder {

QString startFolder()
{
    static const QString folder = QDir::currentPath();
    return folder;
}

QString forForm(const QDesignerFormWindowInterface *form)
{
    if (form && !form->fileName().isEmpty())
        return QFileInfo(form->fileName()).absolutePath();
    return startFolder();
}

QString forParent(QWidget *parent)
{
    return forForm(parent ? QDesignerFormWindowInterface::findFormWindow(parent) : nullptr);
}

} // namespace orvex::designfolder
