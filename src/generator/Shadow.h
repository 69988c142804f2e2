#pragma once

#include "model/GlobalData.h"

#include <QString>

namespace brindle {

// Which settings describe one shadow.
struct ShadowSettings {
    Setting color;
    Setting opacity;
    Setting xPos;
    Setting yPos;
    Setting size;
};

enum class ShadowId { Drop, Inner, Text1, Text2 };

const ShadowSettings& shadowSettings(ShadowId id);

struct ShadowValues {
    Color color;
    double opacity = 0.0;
    qint64 xPos = 0;
    qint64 yPos = 0;
    qint64 size = 0;
};

ShadowValues readShadowValues(const GlobalData& data, const ShadowSettings& settings);

// Where the entry stands in its comma-separated list.
enum class ShadowEntryEnd { Comma, Semicolon };

// One entry of a shadow list: "\t\t[inset ]Xpx Ypx Bpx rgba(r,g,b,o)" and its closing mark.
// The channels are scaled by 255 and truncated; the colour's own alpha gives way to the
// opacity, written without decimals when exactly 0 or 1 and with one decimal otherwise.
QString shadowEntry(const ShadowValues& shadow, bool inset, ShadowEntryEnd end);

// The opacity as the entries write it.
QString shadowOpacityText(double opacity);

} // namespace brindle
