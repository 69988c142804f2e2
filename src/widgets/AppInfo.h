#pragma once

#include <QString>

namespace brindle {

// Facts about the application that the window shell shows in more than one place.
namespace AppInfo {

// The web site opened by Help → Brindle Home Page and shown in the About sheet.
inline constexpr auto kHomepageAddress = "https://brindle.example.org/";

QString applicationName();
// The version set on the application object (the project version, as --version prints it),
// or the project version.
QString version();
QString copyrightLine();
QString licenceLine();

} // namespace AppInfo
} // namespace brindle
