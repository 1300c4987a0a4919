#include "name_fixing.h"

#include <algorithm>
#include <array>
#include <vector>

#include "key_value_walk.h"
#include "name_letters.h"
#include "text_case.h"

namespace vendrel {
namespace {

constexpr std::array<std::string_view, 109> kNameKeys = {
    "subject", "measuretarget", "measurereference", "landmark", "toptrack", "bottomtrack",
    "train", "pointcamera", "lightingorigin", "targetname", "targetreference", "altpath",
    "newtarget", "lookatname", "constraintsystem", "entitytemplate", "target", "moveto",
    "nextkey", "position0", "position1", "position2", "position3", "position4", "position5",
    "position6", "position7", "mainsoundscapename", "lasertarget", "directionentityname",
    "targetentityname", "lightningend", "lightningstart", "sourceentityname", "destinationgroup",
    "templatename", "damagefilter", "parentname", "attach1", "attach2", "speakername",
    "filtername", "source", "template01", "template02", "template03", "template04", "template05",
    "template06", "template07", "template08", "template09", "template10", "template11",
    "template12", "template13", "template14", "template15", "template16", "emittername",
    "vehicle", "vortigaunt", "m_iszentity", "m_isznextscript", "throwgrenadeattarget",
    "pathcornername", "endtargetname", "magnetname", "node_exit", "rallypoint", "barrel_volume",
    "locationproxy", "firemissileat", "control_volume", "missilehint", "airboat_gun_model",
    "goalent", "actor", "target1", "target2", "target3", "target4", "target5", "target6",
    "target7", "target8", "laserentity", "npc_man_point", "assaultpoint", "landtarget",
    "waitpointname", "nextassaultpoint", "npctemplate", "npctemplate1", "npctemplate2",
    "npctemplate3", "npctemplate4", "npctemplate5", "npctemplate6", "dustoff1", "dustoff2",
    "dustoff3", "dustoff4", "dustoff5", "dustoff6", "apcvehiclename", "dropbombattarget",
    "dropbombattargetalways", "defaulttarget"};

constexpr std::size_t kLongestNameKey =
    std::max_element(kNameKeys.begin(), kNameKeys.end(),
                     [](auto a, auto b) { return a.size() < b.size(); })
        ->size();

// The keys grouped by length: nearly every item of a room is asked, and most fail on
// their length or first letter without being lowered or hashed.
const std::array<std::vector<std::string_view>, kLongestNameKey + 1>& NameKeysByLength() {
  static const auto byLength = [] {
    std::array<std::vector<std::string_view>, kLongestNameKey + 1> keys;
    for (const std::string_view key : kNameKeys) keys[key.size()].push_back(key);
    return keys;
  }();
  return byLength;
}

// A connection value is "target,input,parameter,delay,times"; only the target is a name.
void RenameConnectionTarget(std::string& value, NameList& names, long long& nameCounter) {
  const std::size_t comma = value.find(',');
  const std::size_t targetEnd = comma == std::string::npos ? value.size() : comma;
  value.replace(0, targetEnd,
                CheckNameList(names, nameCounter, std::string_view(value).substr(0, targetEnd)));
}

// Walks the block after a "connections" key; returns the index of its closing brace, or
// the room's end when the block is not closed.
std::size_t FixConnections(Items& items, std::size_t key, NameList& names, long long& nameCounter,
                           const std::function<void()>& yield) {
  std::size_t i = key + 1;
  while (i < items.size()) {
    if (yield) yield();
    if (items[i] == "}") return i;
    if (i + 1 >= items.size()) break;
    // Braces, empty lines and a block's name print no output row: they are no output.
    if (StandsAlone(items, i)) {
      ++i;
      continue;
    }
    RenameConnectionTarget(items[i + 1], names, nameCounter);
    i += 2;
  }
  return items.size();
}

}  // namespace

bool IsNameKey(std::string_view key) {
  if (key.substr(0, 4) == "node") return true;
  if (key.size() > kLongestNameKey) return false;
  const auto& candidates = NameKeysByLength()[key.size()];
  return std::any_of(candidates.begin(), candidates.end(),
                     [key](std::string_view name) { return EqualsIgnoringCase(key, name); });
}

std::string CheckNameList(NameList& names, long long& nameCounter, std::string_view theName) {
  if (theName.starts_with('!')) return std::string(theName);
  auto [entry, added] = names.newNames.try_emplace(ToLowerAscii(theName));
  if (added) entry->second = NtN(++nameCounter);
  return entry->second;
}

void ClearNameList(NameList& names) { names.newNames.clear(); }

void NameFixer(Items& items, NameList& names, long long& nameCounter,
               const std::function<void()>& yield) {
  std::size_t i = 0;
  while (i + 1 < items.size()) {
    if (!StandsAlone(items, i)) {
      // Only a key names a name: a value that spells one stays a value.
      if (IsNameKey(items[i])) items[i + 1] = CheckNameList(names, nameCounter, items[i + 1]);
      i += 2;
    } else if (items[i + 1] == "{" && EqualsIgnoringCase(items[i], "connections")) {
      i = FixConnections(items, i, names, nameCounter, yield);
    } else {
      ++i;
    }
  }
}

}  // namespace vendrel
