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
    qsizetype pointAt = -1; // the decimal point, if any
    qsizetype pointLength = 0;
};

// The length of the decimal point at `index`: "." always, and the user's own (a "," in
// much of Europe), so that a number typed as the user writes it reads the same.
qsizetype decimalPointLength(QStringView text, qsizetype index) {
    if (text[index] == u'.')
        return 1;
    const QString localPoint = QLocale().decimalPoint();
    if (!localPoint.isEmpty() && text.sliced(index).startsWith(localPoint))
        return localPoint.size();
    return 0;
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Reads blanks, an optional sign, digits and (when allowed) a decimal point with more digits.
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
    while (i < text.size() && isDigit(text[i])) {
        scan.hasDigits = true;
        ++i;
    }
    if (allowFraction && i < text.size()) {
        if (const qsizetype length = decimalPointLength(text, i); length > 0) {
            scan.pointAt = i;
            scan.pointLength = length;
            i += length;
            while (i < text.size() && isDigit(text[i])) {
                scan.hasDigits = true;
                ++i;
            }
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

QValidator::State judgeText(QStringView text, bool allowsFraction, NumberFormatter::Sign sign) {
    if (text.isEmpty())
        return QValidator::Acceptable;
    const NumberScan scan = scanNumber(text, allowsFraction);
    if (scan.negative && sign == NumberFormatter::Sign::NonNegative)
        return QValidator::Invalid;
    if (!onlyBlanksFrom(text, scan.end))
        return QValidator::Invalid;
    // A sign or a point with no digits yet is how "-7" or ".5" start.
    return scan.hasDigits ? QValidator::Acceptable : QValidator::Intermediate;
}

} // namespace

NumberFormatter::NumberFormatter(bool allowsFraction, Sign sign, QObject* parent)
    : QValidator(parent), m_allowsFraction(allowsFraction), m_sign(sign) {}

QValidator::State NumberFormatter::validate(QString& input, int&) const {
    const State state = judgeText(input, m_allowsFraction, m_sign);
    if (state == Invalid)
        QApplication::beep();
    return state;
}

OnlyIntegerValueFormatter::OnlyIntegerValueFormatter(Sign sign, QObject* parent)
    : NumberFormatter(false, sign, parent) {}

OnlyDecimalValueFormatter::OnlyDecimalValueFormatter(Sign sign, QObject* parent)
    : NumberFormatter(true, sign, parent) {}

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
    if (scan.pointAt >= 0) {
        // QString::toDouble() reads the C locale's form, whatever the user's locale.
        const qsizetype point = scan.pointAt - scan.start;
        number.replace(point, scan.pointLength, QLatin1Char('.'));
        if (number.endsWith(u'.'))
            number.chop(1);
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (ok)
        return value;
    return scan.negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
}

} // namespace brindle
