#pragma once

#include "generator/Fragment.h"
#include "model/GlobalData.h"

#include <QMetaType>
#include <QString>
#include <QVariantMap>

Q_DECLARE_METATYPE(brindle::Fragment)

namespace testing {

// Sets settings by name. Colours are given in the hex form, "#rrggbb".
void applySettings(brindle::GlobalData& data, const QVariantMap& settings);

// The contents of a hand-written file in tests/generator/data.
QString readTestData(const QString& fileName);

// Replaces the store's menu with `count` top-level items, every third one with three
// sub-items, all with icons (used by tests and benchmarks alike).
void fillMenuWithIcons(brindle::GlobalData& data, int count);

} // namespace testing
