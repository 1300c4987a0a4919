#include "map_check.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "number_text.h"
#include "world_bounds.h"

namespace vendrel::preview {
namespace {

std::string BrushName(const MapBrush& brush) {
  const std::string kind = brush.world ? "brush" : "brush of an entity";
  return brush.id ? kind + " " + std::to_string(*brush.id) : kind;
}

std::string PointText(Vec3 p) { return FormatNumber(p.x) + " " + FormatNumber(p.y) + " " + FormatNumber(p.z); }

void CheckBrush(const MapBrush& brush, std::vector<Finding>& findings) {
  const std::string name = BrushName(brush);
  if (!brush.planeProblem.empty()) {
    findings.push_back({brush.planeProblemLine, name + ": " + brush.planeProblem});
    return;
  }
  const BrushHull& hull = brush.hull;
  switch (hull.fault) {
    case HullFault::DegeneratePlane:
      findings.push_back({brush.sideLines[hull.faultySide], name + " is not closed: the three points of a side lie on one line"});
      return;
    case HullFault::Open:
      findings.push_back({brush.line, name + " is not closed: its sides leave it open"});
      return;
    case HullFault::NoVolume:
      findings.push_back({brush.line, name + " has no volume"});
      return;
    case HullFault::SideOutside:
      findings.push_back({brush.sideLines[hull.faultySide], name + " is not convex: a side lies outside the shape its other sides enclose"});
      return;
    case HullFault::None:
      break;
  }
  if (BadPos(hull.low.x, hull.low.y, hull.low.z) || BadPos(hull.high.x, hull.high.y, hull.high.z)) {
    findings.push_back({brush.line, name + " reaches outside the world"});
  }
}

void CheckIdentifiers(const MapBlock& block, bool side, std::unordered_map<long long, std::size_t>& objects,
                      std::unordered_map<long long, std::size_t>& sides, std::vector<Finding>& findings) {
  for (const MapKey& key : block.keys) {
    if (key.key != "id") continue;
    const auto id = ParseWhole(key.value);
    if (!id) {
      findings.push_back({key.line, "the identifier \"" + key.value + "\" is not a whole number"});
      continue;
    }
    // The editor numbers sides apart from everything else.
    auto& seen = side ? sides : objects;
    const auto [first, fresh] = seen.emplace(*id, key.line);
    if (!fresh) {
      findings.push_back({key.line, std::string(side ? "the side identifier " : "the identifier ") + key.value +
                                        " is used twice (first at line " + std::to_string(first->second) + ")"});
    }
  }
  for (const MapBlock& child : block.children) CheckIdentifiers(child, child.name == "side", objects, sides, findings);
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

void AddOutputFindings(const LevelMap& map, std::vector<Finding>& findings) {
  std::unordered_set<std::string> names;
  std::vector<std::string> sortedNames;
  for (const MapEntity& entity : map.entities) {
    for (const std::string* name : {&entity.targetName, &entity.className}) {
      if (!name->empty() && names.insert(Lower(*name)).second) sortedNames.push_back(Lower(*name));
    }
  }
  std::sort(sortedNames.begin(), sortedNames.end());
  for (const MapEntity& entity : map.entities) {
    for (const MapOutput& output : entity.outputs) {
      const std::string target = Lower(output.target);
      if (target.empty() || target.starts_with("!") || names.contains(target)) continue;
      if (target.ends_with("*")) {
        const std::string prefix = target.substr(0, target.size() - 1);
        const auto at = std::lower_bound(sortedNames.begin(), sortedNames.end(), prefix);
        if (at != sortedNames.end() && at->starts_with(prefix)) continue;
      }
      findings.push_back({output.line, "the output " + output.output + " of " + entity.className + " aims at " +
                                           output.target + ", which no entity in the level is named"});
    }
  }
}

void CheckEntities(const LevelMap& map, std::vector<Finding>& findings) {
  for (const MapEntity& entity : map.entities) {
    if (entity.className.empty()) findings.push_back({entity.line, "an entity has no classname"});
    if (entity.origin && BadPos(entity.origin->x, entity.origin->y, entity.origin->z)) {
      findings.push_back({entity.line, entity.className + " at " + PointText(*entity.origin) + " lies outside the world"});
    }
  }
}

void CheckSeal(const LevelMap& map, SolidGrid& grid, LevelCheck& check) {
  grid.FloodFromVoid();
  const MapEntity* leaking = nullptr;
  std::size_t open = 0;
  double shortest = 0;
  for (const MapEntity& entity : map.entities) {
    if (!entity.origin || BadPos(entity.origin->x, entity.origin->y, entity.origin->z)) continue;
    const SolidGrid::Cell cell = grid.CellOf(*entity.origin);
    if (grid.Solid(cell) || !grid.Reached(cell)) continue;
    ++open;
    std::vector<Vec3> path = grid.PathFromVoid(cell);
    path.push_back(*entity.origin);
    double length = 0;
    for (std::size_t i = 1; i < path.size(); ++i) {
      const Vec3 leg = path[i] - path[i - 1];
      length += std::sqrt(Dot(leg, leg));
    }
    // The entity nearest the void, as the way to it is the one to mend first.
    if (leaking == nullptr || length < shortest) {
      leaking = &entity;
      shortest = length;
      check.leakPath = std::move(path);
    }
  }
  if (leaking == nullptr) return;
  std::string text = "the level leaks: the void reaches " + leaking->className + " at " + PointText(*leaking->origin);
  if (open > 1) text += " (and " + std::to_string(open - 1) + " more entities)";
  check.findings.push_back({leaking->line, text});
}

}  // namespace

std::vector<Finding> CheckBrushes(const LevelMap& map) {
  std::vector<Finding> findings;
  for (const MapBrush& brush : map.brushes) CheckBrush(brush, findings);
  return findings;
}

std::vector<Finding> CheckOutputs(const LevelMap& map) {
  std::vector<Finding> findings;
  AddOutputFindings(map, findings);
  return findings;
}

LevelCheck CheckLevel(const LevelMap& map, SolidGrid& grid) {
  LevelCheck check;
  for (const BlockProblem& problem : map.structureProblems) check.findings.push_back({problem.line, problem.text});
  if (!map.hasWorld) check.findings.push_back({1, "the file holds no world block"});
  for (Finding& finding : CheckBrushes(map)) check.findings.push_back(std::move(finding));
  std::unordered_map<long long, std::size_t> objects, sides;
  CheckIdentifiers(map.root, false, objects, sides, check.findings);
  CheckEntities(map, check.findings);
  AddOutputFindings(map, check.findings);
  CheckSeal(map, grid, check);
  std::stable_sort(check.findings.begin(), check.findings.end(),
                   [](const Finding& a, const Finding& b) { return a.line < b.line; });
  return check;
}

LevelCheck CheckLevel(const LevelMap& map) {
  SolidGrid grid(map.brushes);
  return CheckLevel(map, grid);
}

std::string FindingText(const Finding& finding) {
  return "At line " + std::to_string(finding.line) + ": " + finding.text;
}

}  // namespace vendrel::preview
