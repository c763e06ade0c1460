#include "propertypage/designer/designfolder.h"

#include <QDesignerFormWindowInterface>
#include <QDir>
#include <QFileInfo>

namespace orvex::designer {

QString startFolder()
{
    static const QString folder = QDir::currentPath();
    return folder;
}

QString designFolder(const QDesignerFormWindowInterface *form)
{
    if (form && !form->fileName().isEmpty())
        return QFileInfo(form->fileName()).absolutePath();
    return startFolder();
}

QString designFolderFor(QWidget *parent)
{
    return designFolder(parent ? QDesignerFormWindowInterface::findFormWindow(parent) : nullptr);
}

} // namespace orvex::designer
