#pragma once

#include <QString>

namespace brindle {

// Facts about the application that the window shell shows in more than one place.
namespace AppInfo {

// The web site opened by Help → Brindle Home Page and shown in the About sheet.
inline constexpr auto kHomepageAddress = "https://brindle.example.org/";

QString applicationName();
// The project version, the same that --version prints and the package carries.
QString version();
QString copyrightLine();
QString licenceLine();

} // namespace AppInfo
} // namespace brindle
