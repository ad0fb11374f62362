#pragma once
// Names are stored in Windows-1250: an entry box with this validator refuses
// any character that code page cannot hold, so a name never changes on its
// way to the file.
#include <QValidator>

namespace players {

class Cp1250Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace players
