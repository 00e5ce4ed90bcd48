#pragma once
// The script the program writes its Chinese in: Simplified, as every text
// is made, or Traditional as read in Taiwan or in Hong Kong. Every text is
// made in Simplified Chinese and converted on its way out by OpenCC's
// phrase dictionaries (s2tw, s2hk); the program keeps no conversion table of
// its own. What the user types may be in either script: a text looked up by
// name (a birthplace) is converted to Simplified first.
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

enum class Script { Simplified, Taiwan, HongKong };

// "simplified", "tw", "hk": the names the command line and the settings use.
std::string_view ScriptName(Script script);
std::optional<Script> ScriptOfName(std::string_view name);

// A UTF-8 text in the script; Simplified returns it unchanged. The branch 丑
// stays 丑 (OpenCC would make it 醜, ugly). Raises Error when OpenCC's
// dictionaries cannot be opened.
std::string ToScript(std::string_view utf8, Script script);

// A UTF-8 text typed in either script, in Simplified Chinese.
std::string ToSimplified(std::string_view utf8);

}  // namespace vantrel
