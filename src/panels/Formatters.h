#pragma once

#include <QValidator>

namespace brindle {

// Keystroke filters of the panels' text fields. A keystroke that would leave something
// other than a whole number (or a decimal number) in the field is refused with the system
// beep; the field keeps its text. A start that can still become a number (a lone sign, a
// lone decimal point) is let through without a beep but is not a value yet. They never
// rewrite what the user typed.
class NumberFormatter : public QValidator {
    Q_OBJECT

public:
    // Whether a leading "-" may be typed: only where the field's range reaches below zero.
    enum class Sign { NonNegative, Any };

    State validate(QString& input, int& pos) const override;

protected:
    NumberFormatter(bool allowsFraction, Sign sign, QObject* parent);

private:
    bool m_allowsFraction;
    Sign m_sign;
};

// Empty, or blanks, an optional sign and digits, then blanks.
class OnlyIntegerValueFormatter : public NumberFormatter {
    Q_OBJECT

public:
    explicit OnlyIntegerValueFormatter(Sign sign = Sign::NonNegative, QObject* parent = nullptr);
};

// Empty, or blanks, an optional sign, digits with an optional decimal point ("." or the
// user's locale's, such as ",") and fraction, then blanks.
class OnlyDecimalValueFormatter : public NumberFormatter {
    Q_OBJECT

public:
    explicit OnlyDecimalValueFormatter(Sign sign = Sign::NonNegative, QObject* parent = nullptr);
    // The value as the field shows it: rounded to a multiple of 0.1, halves upward, with
    // no trailing zeros and "." as the decimal point ("1", "0.5"), as the CSS shows it.
    static QString stringForValue(double value);
    static double roundedValue(double value);
};

// What a field's text means as a number: leading blanks, an optional sign and the digits
// that follow; whatever comes after them is ignored and no digits at all read as 0. Values
// beyond the 64-bit range saturate.
qint64 leadingIntegerValue(QStringView text);
// The same with an optional decimal point ("." or the locale's) and fraction; "0.5", ".5"
// and, under a decimal-comma locale, "0,5" all read as one half.
double leadingDecimalValue(QStringView text);

} // namespace brindle
