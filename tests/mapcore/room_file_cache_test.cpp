#include "room_file_cache.h"

#include <gtest/gtest.h>

#include "map_format_error.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

// A room file whose body is one brush with the given identifier text; the body starts
// on line 22.
std::string RoomWithId(const std::string& id) {
  std::string text = "Room\r\n 0 \r\n4\r\n";
  for (int i = 0; i < 16; ++i) text += "\r\n";
  return text + " c \r\n a \r\nsolid\r\n{\r\n\"id\" \"" + id +
         "\"\r\n}\r\n/\\/worldend\\/\\\r\n/\\/EOF\\/\\\r\n";
}

struct CacheContext {
  testing::TempFolder folder;
  std::filesystem::path file = folder / "room.rgr";
  RoomFileCache cache;

  // Rewrites the file and gives it back the modification time it had.
  void RewriteKeepingTime(const std::string& text) {
    const auto modified = std::filesystem::last_write_time(file);
    testing::WriteFile(file, text);
    std::filesystem::last_write_time(file, modified);
  }
  std::string Id() { return cache.Read(file).ItemsCopy().at(3); }
};

TEST(RoomFileCache, ReadsAFileOnceWhileItsSizeAndTimeStay) {
  CacheContext c;
  testing::WriteFile(c.file, RoomWithId("11"));
  const RoomBody& first = c.cache.Read(c.file);
  EXPECT_EQ(first.ItemsCopy(), (Items{"solid", "{", "id", "11", "}", "/\\/worldend\\/\\"}));
  EXPECT_EQ(first.Lines(), (std::vector<std::size_t>{22, 23, 24, 24, 25, 26}));

  c.RewriteKeepingTime(RoomWithId("22"));
  EXPECT_EQ(c.Id(), "11") << "same size and time: the body kept from the first read";

  c.RewriteKeepingTime(RoomWithId("333"));
  EXPECT_EQ(c.Id(), "333") << "another size";

  const auto modified = std::filesystem::last_write_time(c.file);
  testing::WriteFile(c.file, RoomWithId("444"));
  std::filesystem::last_write_time(c.file, modified + std::chrono::seconds(5));
  EXPECT_EQ(c.Id(), "444") << "another time";
}

TEST(RoomFileCache, KeepsNothingOfAFileThatFailsToRead) {
  CacheContext c;
  testing::WriteFile(c.file, RoomWithId("1"));
  EXPECT_EQ(c.Id(), "1");
  std::string cut = RoomWithId("2");
  cut.resize(cut.find("/\\/EOF"));
  testing::WriteFile(c.file, cut);
  EXPECT_THROW(c.cache.Read(c.file), MapFormatError);
  c.RewriteKeepingTime(cut.substr(0, cut.size() - 1) + "X");
  EXPECT_THROW(c.cache.Read(c.file), MapFormatError) << "the failed read left nothing behind";
  testing::WriteFile(c.file, RoomWithId("3"));
  EXPECT_EQ(c.Id(), "3");
  std::filesystem::remove(c.file);
  EXPECT_THROW(c.cache.Read(c.file), MapFormatError);
}


// Reading ahead changes when a file is read, never what a Read gives or which error it
// throws.
TEST(RoomFileCache, ReadingAheadGivesWhatReadingGives) {
  testing::TempFolder folder;
  const std::vector<std::filesystem::path> files = {folder / "a.rgr", folder / "b.rgr",
                                                     folder / "broken.rgr", folder / "gone.rgr"};
  testing::WriteFile(files[0], RoomWithId("1"));
  testing::WriteFile(files[1], RoomWithId("22"));
  std::string cut = RoomWithId("3");
  testing::WriteFile(files[2], cut.substr(0, cut.find("/\\/EOF")));

  RoomFileCache ahead;
  ahead.ReadAhead({files[1], files[0], files[2], files[1], files[3]});
  for (const auto& file : files) {
    RoomFileCache plain;
    try {
      const Items expected = plain.Read(file).ItemsCopy();
      EXPECT_EQ(ahead.Read(file).ItemsCopy(), expected) << file;
      EXPECT_EQ(ahead.Read(file).Lines(), plain.Read(file).Lines()) << file;
    } catch (const MapFormatError& error) {
      try {
        ahead.Read(file);
        ADD_FAILURE() << file << " read ahead was accepted";
      } catch (const MapFormatError& aheadError) {
        EXPECT_STREQ(aheadError.what(), error.what());
      }
    }
  }
}

TEST(RoomFileCache, AFileChangedAfterReadingAheadIsReadAgain) {
  CacheContext c;
  testing::WriteFile(c.file, RoomWithId("1"));
  c.cache.ReadAhead({c.file});
  testing::WriteFile(c.file, RoomWithId("55"));
  EXPECT_EQ(c.Id(), "55");
}

TEST(RoomFileCache, AStartEndsTheReadingAheadBeforeIt) {
  testing::TempFolder folder;
  std::vector<std::filesystem::path> files;
  for (int i = 0; i < 200; ++i) {
    files.push_back(folder / ("room" + std::to_string(i) + ".rgr"));
    testing::WriteFile(files.back(), RoomWithId(std::to_string(i)));
  }
  {
    RoomFileCache cache;
    cache.ReadAhead(files);
    cache.ReadAhead({files[7]});  // a second start ends the first
    EXPECT_EQ(cache.Read(files[7]).ItemsCopy().at(3), "7");
    cache.ReadAhead(files);  // and the cache goes while its reader is at work
  }
}

}  // namespace
}  // namespace vendrel
