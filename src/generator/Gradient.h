#pragma once

#include "model/GlobalData.h"

#include <QString>

#include <array>
#include <optional>

namespace brindle {

// Which settings make one gradient group: the start colour, three intermediate stops (flag,
// colour, percent position), the end stop (flag, colour) and, for hover and active groups,
// the transparency percent that replaces every colour's alpha.
struct GradientGroup {
    struct Stop {
        Setting enabled;
        Setting color;
        Setting position;
    };
    Setting start;
    std::array<Stop, 3> stops;
    Setting endEnabled;
    Setting end;
    std::optional<Setting> transparency;
};

enum class GradientGroupId { MainNormal, SubNormal, MainHover, SubHover, MainActive, SubActive };

const GradientGroup& gradientGroup(GradientGroupId id);

// The group's values as read from the store, all at once.
struct GradientValues {
    struct Stop {
        bool enabled = false;
        Color color;
        qint64 position = 0;
    };
    Color start;
    std::array<Stop, 3> stops;
    bool endEnabled = false;
    Color end;
    std::optional<qint64> transparency; // percent; absent for the normal groups
};

GradientValues readGradientValues(const GlobalData& data, const GradientGroup& group);

// The background declaration(s): a plain colour when no stop beyond the start is enabled,
// otherwise five vendor forms of one vertical gradient (moz, webkit, ms, o, standard), or
// only the standard one without vendor forms.
QString gradientDeclaration(const GradientValues& values, bool vendorForms = true);

} // namespace brindle
