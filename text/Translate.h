#pragma once

// The core's texts in the user's language. A text the user reads is marked where it is
// written, with its context (the subsystem it belongs to):
//   VT_TR("health", "Check Database")        the text, translated now
//   VT_TR_NOOP("commands", "&Open...")       a table entry, translated where it is shown
// Qt's lupdate reads both marks (see tools/update-translations.sh). The editor installs
// a translator at start-up; the command-line tool installs none, so it speaks English and
// scripts can read it in every locale.

#include <initializer_list>
#include <string>
#include <string_view>

namespace velmora {

using Translator = std::string (*)(const char* context, const char* text);

// Null restores English.
void SetTranslator(Translator translator);

// The text in the user's language, or the text itself when no translation is installed.
std::string Translate(const char* context, const char* text);

// The pattern with %1 ... %9 replaced by the arguments, so a translation can put them in
// the order its language needs. "%%" is a percent sign; a missing argument stays as it is.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace velmora

#define VT_TR(context, text) ::velmora::Translate(context, text)
#define VT_TR_NOOP(context, text) text
