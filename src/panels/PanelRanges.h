#pragma once

#include "panels/FieldStepperPair.h"

// The stepper ranges of the style panels: the only range checks of the values a user types.
namespace brindle::ranges {

inline constexpr StepperRange kRadius{0, 100, 1};
inline constexpr StepperRange kBorderSize{0, 20, 1};
inline constexpr StepperRange kWidth{10, 100, 1};        // percent of the page
inline constexpr StepperRange kSubMenuWidth{50, 600, 1}; // pixels
inline constexpr StepperRange kPadding{0, 200, 1};
inline constexpr StepperRange kStopPosition{0, 100, 1}; // percent along the gradient
inline constexpr StepperRange kTransparency{0, 100, 1}; // percent, the colours' alpha
inline constexpr StepperRange kFontSize{6, 72, 1};
inline constexpr StepperRange kShadowOpacity{0.0, 1.0, 0.1};
inline constexpr StepperRange kShadowOffset{-50, 50, 1};
inline constexpr StepperRange kShadowSize{0, 50, 1};
inline constexpr StepperRange kTextIntensity{0, 100, 1};

} // namespace brindle::ranges
