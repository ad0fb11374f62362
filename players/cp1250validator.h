#pragma once
// Names are stored in Windows-1250: an entry box with this validator leaves
// out any character that code page cannot hold, so a name never changes on
// its way to the file, and reports what it left out, so a paste with one
// stray symbol loses that symbol rather than the whole name.
#include <QValidator>

namespace players {

class Cp1250Validator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;

signals:
    // The distinct characters just left out, in their order.
    void dropped(const QString& characters) const;
};

// `text` without the characters Windows-1250 cannot hold; `dropped` gets the
// distinct ones left out, `pos` moves back past those before it.
QString keepCp1250(const QString& text, QString* dropped = nullptr, int* pos = nullptr);

} // namespace players
