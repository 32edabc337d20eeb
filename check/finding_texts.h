#pragma once
// A language's texts for the findings: one for each finding id, placed by id whatever the order of
// the rows. A text takes the finding's values as %1, %2, ... in the order finding.h gives for its
// id; it does not name the field.

#include <QString>
#include <array>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "check/finding.h"
#include "params/utf8.h"

namespace vorlan {

using FindingTexts = std::array<std::string_view, kFindingIdCount>;  // UTF-8, by FindingId

using FindingTextRow = std::pair<FindingId, std::string_view>;
constexpr FindingTexts ByFinding(std::initializer_list<FindingTextRow> rows) {
  FindingTexts texts{};
  for (const auto& [id, text] : rows) texts[static_cast<std::size_t>(id)] = text;
  return texts;
}
// Whether none is missing.
constexpr bool AllFindingTexts(const FindingTexts& texts) {
  for (std::string_view text : texts) {
    if (text.empty()) return false;
  }
  return true;
}

// What a finding says in the language of `texts`; each value is put in once, as it stands.
inline QString FindingText(const Finding& finding, const FindingTexts& texts) {
  return FillIn(Utf8(texts[static_cast<std::size_t>(finding.id)]), finding.values);
}

}  // namespace vorlan
