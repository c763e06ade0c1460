#pragma once

#include <QValidator>

namespace orvex {

// Keeps out of a text box what a menu file record cannot hold: line breaks,
// characters that are not single-byte and, for a name, "!".
class RecordTextValidator final : public QValidator
{
    Q_OBJECT

public:
    enum class Field
    {
        Caption,
        Name
    };

    explicit RecordTextValidator(Field field, QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;

private:
    Field m_field;
};

} // namespace orvex
