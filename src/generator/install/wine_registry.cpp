#include "wine_registry.h"

#include <cstdlib>
#include <fstream>

#include "text_case.h"

namespace vendrel {
namespace {

void AppendUtf8(std::string& out, unsigned long code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | ((code >> 12) & 0x0F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Reads the quoted text that starts at `at` (just after its opening quote) with the
// registry file's escapes; `at` ends after the closing quote. Nothing without one.
std::optional<std::string> QuotedText(std::string_view line, std::size_t& at) {
  std::string text;
  while (at < line.size()) {
    const char c = line[at++];
    if (c == '"') return text;
    if (c != '\\' || at >= line.size()) {
      text += c;
      continue;
    }
    const char escaped = line[at++];
    switch (escaped) {
      case 'n': text += '\n'; break;
      case 'r': text += '\r'; break;
      case 't': text += '\t'; break;
      case '0': text += '\0'; break;
      case 'x': {
        std::size_t end = at;
        while (end < line.size() && end - at < 4 && IsHexDigit(line[end])) ++end;
        if (end == at) {
          text += 'x';
          break;
        }
        AppendUtf8(text, std::strtoul(std::string(line.substr(at, end - at)).c_str(), nullptr, 16));
        at = end;
        break;
      }
      default: text += escaped;
    }
  }
  return std::nullopt;
}

// "[Software\\Valve\\Steam] 1700000000" names the key "Software\Valve\Steam".
std::optional<std::string> KeyOfLine(std::string_view line) {
  if (line.empty() || line.front() != '[') return std::nullopt;
  std::string key;
  for (std::size_t at = 1; at < line.size(); ++at) {
    if (line[at] == ']') return key;
    if (line[at] == '\\' && at + 1 < line.size()) ++at;
    key += line[at];
  }
  return std::nullopt;
}

}  // namespace

std::filesystem::path WinePrefix() {
  if (const char* prefix = std::getenv("WINEPREFIX"); prefix != nullptr && *prefix != '\0') {
    return prefix;
  }
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home != nullptr ? home : "") / ".wine";
}

std::optional<std::string> ReadRegistryString(const std::filesystem::path& registryFile,
                                              std::string_view key, std::string_view valueName) {
  std::ifstream in(registryFile, std::ios::binary);
  const std::string wantedKey = ToLowerAscii(key);
  const std::string wantedValue = ToLowerAscii(valueName);
  bool inKey = false;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (const auto lineKey = KeyOfLine(line)) {
      inKey = ToLowerAscii(*lineKey) == wantedKey;
      continue;
    }
    if (!inKey || line.empty() || line.front() != '"') continue;
    std::size_t at = 1;
    const auto name = QuotedText(line, at);
    if (!name || ToLowerAscii(*name) != wantedValue) continue;
    std::string_view rest = std::string_view(line).substr(at);
    if (!rest.starts_with("=")) return std::nullopt;
    rest.remove_prefix(1);
    if (rest.starts_with("str(2):")) rest.remove_prefix(7);
    if (!rest.starts_with("\"")) return std::nullopt;
    std::size_t valueAt = 1;
    return QuotedText(rest, valueAt);
  }
  return std::nullopt;
}

std::filesystem::path WindowsPathInPrefix(const std::filesystem::path& prefix,
                                          std::string_view windowsPath) {
  std::string rest(windowsPath);
  for (char& c : rest) {
    if (c == '\\') c = '/';
  }
  if (rest.size() < 2 || rest[1] != ':') return rest;
  const std::string drive = ToLowerAscii(rest.substr(0, 1));
  rest.erase(0, 2);
  while (!rest.empty() && rest.front() == '/') rest.erase(0, 1);
  const std::filesystem::path root =
      drive == "c" ? prefix / "drive_c" : prefix / "dosdevices" / (drive + ":");
  return rest.empty() ? root : root / rest;
}

}  // namespace vendrel
