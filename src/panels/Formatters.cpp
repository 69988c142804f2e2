#include "panels/Formatters.h"

#include <QApplication>
#include <QLocale>

#include <cmath>
#include <limits>

namespace brindle {

namespace {

struct NumberScan {
    qsizetype start = 0; // first character of the sign or digits
    qsizetype end = 0;   // one past the last character of the number
    bool negative = false;
    bool hasDigits = false;
};

// Reads blanks, an optional sign, digits and (when allowed) a "." with more digits.
NumberScan scanNumber(QStringView text, bool allowFraction) {
    NumberScan scan;
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    scan.start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        scan.negative = text[i] == u'-';
        ++i;
    }
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        scan.hasDigits = true;
        ++i;
    }
    if (allowFraction && i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
            scan.hasDigits = true;
            ++i;
        }
    }
    scan.end = i;
    return scan;
}

bool onlyBlanksFrom(QStringView text, qsizetype index) {
    for (qsizetype i = index; i < text.size(); ++i) {
        if (!text[i].isSpace())
            return false;
    }
    return true;
}

bool isCompleteNumber(QStringView text, bool allowFraction) {
    if (text.isEmpty())
        return true;
    const NumberScan scan = scanNumber(text, allowFraction);
    return scan.hasDigits && onlyBlanksFrom(text, scan.end);
}

QValidator::State judge(bool valid) {
    if (valid)
        return QValidator::Acceptable;
    QApplication::beep();
    return QValidator::Invalid;
}

} // namespace

OnlyIntegerValueFormatter::OnlyIntegerValueFormatter(QObject* parent) : QValidator(parent) {}

bool OnlyIntegerValueFormatter::isPartialStringValid(QStringView text) {
    return isCompleteNumber(text, false);
}

QValidator::State OnlyIntegerValueFormatter::validate(QString& input, int&) const {
    return judge(isPartialStringValid(input));
}

OnlyDecimalValueFormatter::OnlyDecimalValueFormatter(QObject* parent) : QValidator(parent) {}

bool OnlyDecimalValueFormatter::isPartialStringValid(QStringView text) {
    return isCompleteNumber(text, true);
}

QValidator::State OnlyDecimalValueFormatter::validate(QString& input, int&) const {
    return judge(isPartialStringValid(input));
}

double OnlyDecimalValueFormatter::roundedValue(double value) {
    // Half-up, away from zero, on tenths.
    const double tenths = std::abs(value) * 10.0;
    const double rounded = std::floor(tenths + 0.5) / 10.0;
    return value < 0 ? -rounded : rounded;
}

QString OnlyDecimalValueFormatter::stringForValue(double value) {
    double rounded = roundedValue(value);
    if (rounded == 0.0)
        rounded = 0.0; // no "-0"
    return QLocale::c().toString(rounded, 'g', 15);
}

qint64 leadingIntegerValue(QStringView text) {
    const NumberScan scan = scanNumber(text, false);
    if (!scan.hasDigits)
        return 0;
    bool ok = false;
    const qint64 value = text.sliced(scan.start, scan.end - scan.start).toLongLong(&ok);
    if (ok)
        return value;
    return scan.negative ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
}

double leadingDecimalValue(QStringView text) {
    const NumberScan scan = scanNumber(text, true);
    if (!scan.hasDigits)
        return 0.0;
    QString number = text.sliced(scan.start, scan.end - scan.start).toString();
    if (number.endsWith(u'.'))
        number.chop(1);
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (ok)
        return value;
    return scan.negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
}

} // namespace brindle
