#include "platform/base/mem_ini_file.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(MemIniFileTest, SectionsEntriesAndTrimming) {
  TMemIniFile ini(
      "ignored=1\r\n"
      "  [ FormInfo ]  \r\n"
      "  captionrect = 1,2,3,4  \r\n"
      "; a comment\r\n"
      "\r\n"
      "flag\r\n"
      "[Other]\nkey=a=b\n");
  EXPECT_FALSE(ini.ValueExists("", "ignored"));
  EXPECT_EQ(ini.ReadString("forminfo", "captionrect", "x"), "1,2,3,4");
  EXPECT_TRUE(ini.ValueExists("FORMINFO", "flag"));
  EXPECT_EQ(ini.ReadString("forminfo", "flag", "d"), "");
  EXPECT_EQ(ini.ReadString("other", "key", ""), "a=b");
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"FormInfo", "Other"}));
}

TEST(MemIniFileTest, CaseInsensitiveNamesAndLaterDuplicatesWin) {
  TMemIniFile ini("[a]\nunenabledfontColor=5\nk=1\nK=3\n");
  EXPECT_EQ(ini.ReadInteger("a", "unenabledfontcolor", 0), 5);
  EXPECT_EQ(ini.ReadInteger("a", "k", 0), 3);
  EXPECT_EQ(ini.SectionKeys("a"), (std::vector<std::string>{"unenabledfontColor", "k"}));
  // A section that occurs again is read from its later occurrence alone.
  ini.SetText("[a]\nunenabledfontColor=5\nk=1\n[b]\nx=1\n[A]\nK=2\n");
  EXPECT_EQ(ini.ReadInteger("a", "unenabledfontcolor", 0), 0);
  EXPECT_EQ(ini.ReadInteger("a", "k", 0), 2);
  EXPECT_EQ(ini.SectionKeys("a"), (std::vector<std::string>{"K"}));
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"a", "b"}));
}

TEST(MemIniFileTest, EmptyValueIsNotTheDefault) {
  TMemIniFile ini("[s]\nname=\n");
  EXPECT_EQ(ini.ReadString("s", "name", "Arial"), "");
  EXPECT_EQ(ini.ReadString("s", "missing", "Arial"), "Arial");
  EXPECT_EQ(ini.ReadString("nosection", "name", "Arial"), "Arial");
  EXPECT_EQ(ini.ReadInteger("s", "name", 14), 14);
}

TEST(MemIniFileTest, IntegerForms) {
  TMemIniFile ini("[s]\na=-12\nb=$ff\nc=0x10\nd=0X10\ne=12px\nf= 7\ng=x10\n");
  EXPECT_EQ(ini.ReadInteger("s", "a", 0), -12);
  EXPECT_EQ(ini.ReadInteger("s", "b", 0), 255);
  EXPECT_EQ(ini.ReadInteger("s", "c", 0), 16);
  EXPECT_EQ(ini.ReadInteger("s", "d", 0), 16);
  EXPECT_EQ(ini.ReadInteger("s", "e", 3), 3);
  EXPECT_EQ(ini.ReadInteger("s", "f", 3), 7);  // the value was trimmed
  EXPECT_EQ(ini.ReadInteger("s", "g", 3), 3);
  EXPECT_EQ(ParseIniInteger("4294967295"), std::nullopt);
  EXPECT_EQ(ParseIniInteger("$FFFFFFFF"), -1);
}

TEST(MemIniFileTest, UnterminatedBracketIsAnEntry) {
  TMemIniFile ini("[s]\n[broken\nx=1\n");
  EXPECT_TRUE(ini.ValueExists("s", "[broken"));
  EXPECT_EQ(ini.ReadInteger("s", "x", 0), 1);
}

}  // namespace
}  // namespace kx
