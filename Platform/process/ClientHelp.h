#pragma once

// What the runner's and PelmorEdit's help both tell: how the language of
// the windows is chosen and which variables matter.
inline constexpr const char* ClientHelp = R"(The windows speak the first language of your locale for which a language
library is installed (German: Pelmor.de.dll), else English.

Environment:
  PELMOR_HOME    the data directory, instead of the default one
  XDG_DATA_HOME  the base of the default data directory
  LANG           the language of the windows, unless LANGUAGE, LC_ALL or
                 LC_MESSAGES says otherwise

)";
