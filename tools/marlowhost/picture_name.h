// How a page's picture is named after its tab title: a file name of ASCII
// letters, digits and dashes that a reader still recognises the title in.
#pragma once

#include <string>

namespace marlow::host {

// "Extended Settings" -> "extended-settings", "Configuración avanzada" ->
// "configuracion-avanzada": Latin letters with marks lose them (ß becomes
// "ss", æ "ae", œ "oe", þ "th"), every other run of signs becomes one dash,
// none at either end. Titles in other scripts give nothing, and the page's
// number alone names its picture.
std::wstring MakePictureSlug(const std::wstring& title);

}  // namespace marlow::host
