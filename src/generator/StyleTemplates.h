#pragma once

#include "model/OutputOptions.h"

#include <QString>

namespace brindle {

// What the builders write differently for each output style. Everything not named here is
// shared: the same builders, fragments and splices serve both styles.
struct StyleTemplates {
    // Vendor-prefixed forms (-moz-, -webkit-, -ms-, -o-) before each standard declaration.
    bool vendorForms;
    // The media query that holds the double-resolution icon rules.
    const char* retinaQuery;
    // The arrow image is a background of the owner's link; otherwise the owner's disclosure
    // button draws it and the link only keeps room for it.
    bool arrowOnLink;
    // Each item with sub-items gets a disclosure button beside its link.
    bool disclosureButtons;
};

const StyleTemplates& styleTemplates(OutputStyle style);

// The script that Modern pages load from "menu.js": Escape and the buttons' state. The page
// works without it.
const QString& menuScriptText();

} // namespace brindle
