#pragma once

#include <QValidator>

namespace brindle {

// Keystroke filters of the panels' text fields. A keystroke that would leave something
// other than a whole number (or a decimal number) in the field is refused with the system
// beep; the field keeps its text. They never rewrite what the user typed.
class OnlyIntegerValueFormatter : public QValidator {
    Q_OBJECT

public:
    explicit OnlyIntegerValueFormatter(QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

    // Empty, or blanks, an optional sign and digits, then blanks.
    static bool isPartialStringValid(QStringView text);
};

class OnlyDecimalValueFormatter : public QValidator {
    Q_OBJECT

public:
    explicit OnlyDecimalValueFormatter(QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

    // Empty, or blanks, an optional sign, digits with an optional "." and fraction, blanks.
    static bool isPartialStringValid(QStringView text);
    // The value as the field shows it: rounded to a multiple of 0.1, halves upward, with
    // no trailing zeros ("1", "0.5").
    static QString stringForValue(double value);
    static double roundedValue(double value);
};

// What a field's text means as a number: leading blanks, an optional sign and the digits
// that follow; whatever comes after them is ignored and no digits at all read as 0. Values
// beyond the 64-bit range saturate.
qint64 leadingIntegerValue(QStringView text);
// The same with an optional "." and fraction.
double leadingDecimalValue(QStringView text);

} // namespace brindle
