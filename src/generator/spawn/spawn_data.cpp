#include "spawn_data.h"

#include <cmath>
#include <string_view>

#include "control_bytes.h"
#include "item_tokenizer.h"
#include "map_format_error.h"
#include "number_text.h"

namespace vendrel {
namespace {

// Reads one data file item by item and says where it went wrong.
class DataReader {
 public:
  explicit DataReader(const std::filesystem::path& file) : file_(file), items_(file) {}

  std::string Text() {
    std::string_view item;
    if (!items_.Next(item)) {
      throw MapFormatError(file_, items_.Line() + 1,
                           !counted_ ? std::string("the file ends before its record count")
                                     : "the file ends before its " + std::to_string(recordCount_) +
                                           " records; it holds only " +
                                           std::to_string(recordsRead_) + " whole records");
    }
    // The names and values go into the level as they are.
    if (const std::string problem = ItemByteProblem(item); !problem.empty()) Fail(problem);
    return std::string(item);
  }

  double Number(std::string_view what) { return NumberIn(Text(), what); }

  // A number inside the item just read (part of a line that holds more than the number).
  double NumberIn(std::string_view text, std::string_view what) const {
    const auto value = ParseNumber(text);
    if (!value) {
      throw MapFormatError(file_, items_.Line(),
                           "the " + std::string(what) + " \"" + std::string(text) +
                               "\" is not a number");
    }
    return *value;
  }

  long long WholeNumberIn(std::string_view text, std::string_view what) const {
    const double value = NumberIn(text, what);
    if (value != std::trunc(value) || std::fabs(value) > 1e15) {
      throw MapFormatError(file_, items_.Line(),
                           "the " + std::string(what) + " \"" + std::string(text) +
                               "\" is not a whole number");
    }
    return static_cast<long long>(value);
  }

  // The record count that opens every data file.
  std::size_t Count(std::size_t limit) {
    const long long count = WholeNumberIn(Text(), "record count");
    if (count < 0 || static_cast<unsigned long long>(count) > limit) {
      throw MapFormatError(file_, items_.Line(),
                           "the record count " + std::to_string(count) + " must be from 0 to " +
                               std::to_string(limit));
    }
    recordCount_ = static_cast<std::size_t>(count);
    counted_ = true;
    return recordCount_;
  }

  void RecordDone() { ++recordsRead_; }

  [[noreturn]] void Fail(const std::string& what) const {
    throw MapFormatError(file_, items_.Line(), what);
  }

 private:
  std::filesystem::path file_;
  ItemTokenizer items_;
  std::size_t recordCount_ = 0;
  std::size_t recordsRead_ = 0;
  bool counted_ = false;
};

std::string AmmunitionName(std::string text) { return text == "-" ? std::string() : text; }

MonsterKey ReadMonsterKey(DataReader& reader) {
  MonsterKey key;
  const std::string keyLine = reader.Text();
  const std::size_t blank = keyLine.find(' ');
  key.name = keyLine.substr(0, blank);
  std::string_view countText;
  if (blank != std::string::npos) {
    countText = std::string_view(keyLine).substr(blank + 1);
    while (!countText.empty() && countText.front() == ' ') countText.remove_prefix(1);
  }
  key.optionCount = static_cast<int>(reader.WholeNumberIn(countText, "option count"));
  key.options = reader.Text();
  return key;
}

// Every data file is a record count followed by that many records.
template <class Record, class ReadOne>
std::vector<Record> ReadRecords(const std::filesystem::path& file, std::size_t limit,
                                ReadOne readOne) {
  DataReader reader(file);
  const std::size_t count = reader.Count(limit);
  std::vector<Record> records;
  records.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    records.push_back(readOne(reader));
    reader.RecordDone();
  }
  return records;
}

}  // namespace

std::vector<ItemRecord> ReadItemData(const std::filesystem::path& file) {
  return ReadRecords<ItemRecord>(file, kMaxItemRecords, [](DataReader& reader) {
    ItemRecord record;
    record.name = reader.Text();
    record.weight = reader.Number("weight");
    return record;
  });
}

std::vector<WeaponRecord> ReadGunData(const std::filesystem::path& file) {
  return ReadRecords<WeaponRecord>(file, kMaxWeaponRecords, [](DataReader& reader) {
    WeaponRecord record;
    record.depth = reader.Number("depth");
    record.className = reader.Text();
    record.ammunition1 = AmmunitionName(reader.Text());
    record.ammunition2 = AmmunitionName(reader.Text());
    record.ammunition3 = AmmunitionName(reader.Text());
    return record;
  });
}

std::vector<MonsterRecord> ReadNpcData(const std::filesystem::path& file) {
  return ReadRecords<MonsterRecord>(file, kMaxMonsterRecords, [](DataReader& reader) {
    MonsterRecord record;
    record.className = reader.Text();
    record.depth = reader.Number("depth") / 100;
    record.kind = reader.Text();
    const std::string keyCountText = reader.Text();
    const long long keyCount = reader.WholeNumberIn(keyCountText, "key count");
    if (keyCount < 0 || keyCount > kMaxMonsterKeys) {
      reader.Fail("the key count " + std::to_string(keyCount) + " must be from 0 to " +
                  std::to_string(kMaxMonsterKeys));
    }
    for (long long k = 0; k < keyCount; ++k) record.keys.push_back(ReadMonsterKey(reader));
    return record;
  });
}

SpawnData ReadSpawnData(const std::filesystem::path& folder) {
  SpawnData data;
  data.items = ReadItemData(folder / kItemDataFile);
  data.weapons = ReadGunData(folder / kGunDataFile);
  data.monsters = ReadNpcData(folder / kNpcDataFile);
  return data;
}

}  // namespace vendrel
