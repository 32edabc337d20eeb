#include "ui/fonts.h"

#include <array>
#include <initializer_list>

#include "ui/language_data.h"

namespace vorlan::ui {
namespace {

struct Substitute {
  std::string_view face;
  std::initializer_list<const char*> standIns;  // in order of preference
};

const std::array kSubstitutes = {
    // A Song (Ming) style face with Latin glyphs: fonts-arphic-uming, fonts-noto-cjk.
    Substitute{"宋体",
               {"SimSun", "NSimSun", "AR PL UMing CN", "AR PL UMing TW", "Noto Serif CJK SC",
                "Noto Sans CJK SC"}},
    // Metric-compatible with Arial: fonts-liberation2.
    Substitute{"Arial", {"Liberation Sans", "Arimo"}},
    // Palatino clones: fonts-urw-base35, fonts-texgyre.
    Substitute{"Palatino Linotype", {"P052", "URW Palladio L", "TeX Gyre Pagella", "Palatino"}},
};

}  // namespace

QStringList StandInFaces(std::string_view face) {
  QStringList standIns;
  for (const auto& s : kSubstitutes) {
    if (s.face != face) continue;
    for (const char* standIn : s.standIns) standIns << QString::fromLatin1(standIn);
  }
  return standIns;
}

void InstallFontSubstitutes() {
  for (const auto& s : kSubstitutes) QFont::insertSubstitutions(Text(s.face), StandInFaces(s.face));
}

QFont MakeFont(const FontSpec& spec) {
  QFont font(Text(spec.face));
  font.setPointSizeF(spec.points);
  font.setBold(spec.bold);
  return font;
}

}  // namespace vorlan::ui
