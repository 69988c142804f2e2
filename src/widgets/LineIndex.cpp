#include "widgets/LineIndex.h"

#include <algorithm>
#include <cmath>

namespace brindle::LineIndex {

namespace {

bool isTerminator(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar(0x2028) || c == QChar(0x2029) ||
           c == QChar(0x0085);
}

} // namespace

QList<qint64> calculateLines(QStringView text) {
    const qint64 length = text.size();
    QList<qint64> starts;
    qint64 i = 0;
    bool lastLineTerminated = false;
    do {
        starts.append(i);
        lastLineTerminated = false;
        while (i < length && !isTerminator(text[i]))
            ++i;
        if (i < length) {
            // \r\n is one terminator.
            if (text[i] == u'\r' && i + 1 < length && text[i + 1] == u'\n')
                ++i;
            ++i;
            lastLineTerminated = true;
        }
    } while (i < length);
    if (lastLineTerminated)
        starts.append(i);
    return starts;
}

qint64 lineNumberForCharacterIndex(const QList<qint64>& lineStarts, qint64 index) {
    qint64 left = 0;
    qint64 right = lineStarts.size();
    while (right - left > 1) {
        const qint64 mid = (left + right) / 2;
        const qint64 start = lineStarts[mid];
        if (index < start)
            right = mid;
        else if (index > start)
            left = mid;
        else
            return mid;
    }
    return left;
}

QList<qint64> linesInRange(const QList<qint64>& lineStarts, qint64 first, qint64 last) {
    QList<qint64> lines;
    if (lineStarts.isEmpty() || last < first)
        return lines;
    for (qint64 line = lineNumberForCharacterIndex(lineStarts, first); line < lineStarts.size();
         ++line) {
        const qint64 start = lineStarts[line];
        if (start >= first && start <= last)
            lines.append(line);
        if (start > last)
            break;
    }
    return lines;
}

int digitCount(qint64 lineCount) {
    int digits = 1;
    for (qint64 n = lineCount; n >= 10; n /= 10)
        ++digits;
    return digits;
}

qreal requiredThickness(qreal labelWidth) {
    return std::ceil(std::max(kMinimumThickness, labelWidth + kLabelMargin));
}

bool shouldAdoptThickness(qreal current, qreal required) {
    return std::fabs(static_cast<float>(current) - static_cast<float>(required)) > 1.0f;
}

} // namespace brindle::LineIndex
