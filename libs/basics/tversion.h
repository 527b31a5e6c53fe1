#pragma once

namespace Basics {

// The module's version text, as the host shows it.
constexpr const char *VersionText = "V4.1 Build (7) @ Donnerstag, 8. Januar 2015 - 11:57:17";

} // namespace Basics
