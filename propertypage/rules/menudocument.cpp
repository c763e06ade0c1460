#include "propertypage/rules/menudocument.h"

#include "core/menu/menufile.h"
#include "propertypage/rules/menueditor.h"

#include <OrvexSkin/messages.h>
#include <QCoreApplication>
#include <QDir>

namespace orvex::menueditor {

namespace {

// The page's name, as its tab shows it.
const QString messageTitle = QStringLiteral("MenuItem");

} // namespace

MenuDocument::MenuDocument(const QString &applicationFolder, MessagePresenter &presenter)
    : m_path(menufile::path(applicationFolder)), m_presenter(presenter)
{
}

void MenuDocument::load(MenuEditor &editor)
{
    const Result<std::optional<QStringList>> read = menufile::read(m_path);
    if (read.ok()) {
        if (read.value())
            editor.loadLines(*read.value());
        return;
    }
    m_confirmReplace = true;
    m_presenter.show({messageTitle,
                      QCoreApplication::translate(
                          "orvex::MenuItem", "The menu file could not be read, so the page starts "
                                             "without menus.\n\n%1\n%2")
                          .arg(QDir::toNativeSeparators(m_path), read.status().failure().why()),
                      MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
}

bool MenuDocument::save(const MenuEditor &editor)
{
    if (m_confirmReplace) {
        const MessageAnswer answer = m_presenter.show(
            {messageTitle,
             QCoreApplication::translate(
                 "orvex::MenuItem",
                 "The menu file could not be read when the page opened. Replace it "
                 "with the menus of this page?\n\n%1")
                 .arg(QDir::toNativeSeparators(m_path)),
             MessageIcon::Warning, MessageButtons::YesNo, MessageAnswer::No});
        if (answer != MessageAnswer::Yes)
            return false;
    }
    if (const Status written = menufile::write(m_path, editor.records()); !written.ok()) {
        m_presenter.show(
            {messageTitle,
             QCoreApplication::translate("orvex::MenuItem", "The menus were not saved.\n\n%1\n%2")
                 .arg(QDir::toNativeSeparators(m_path), written.failure().why()),
             MessageIcon::Critical, MessageButtons::Ok, MessageAnswer::Ok});
        return false;
    }
    m_confirmReplace = false;
    return true;
}

} // namespace orvex::menueditor
