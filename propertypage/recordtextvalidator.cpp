#include "propertypage/recordtextvalidator.h"

#include "propertypage/rules/menueditor.h"

namespace orvex {

RecordTextValidator::RecordTextValidator(Field field, QObject *parent)
    : QValidator(parent), m_field(field)
{
}

QValidator::State RecordTextValidator::validate(QString &input, int &) const
{
    const bool accepted = m_field == Field::Name ? menueditor::MenuEditor::acceptsName(input)
                                                 : menueditor::MenuEditor::acceptsCaption(input);
    return accepted ? Acceptable : Invalid;
}

} // namespace orvex
