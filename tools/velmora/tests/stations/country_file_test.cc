#include "stations/country_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "util/user_error.h"
#include "working_folder.h"

namespace velmora::cli {
namespace {

const char* kCountries =
    "United States:            05:  08:  NA:   37.53:    91.67:     5.0:  K:\n"
    "    AA,K,N,W,KH6(31)[61]{OC},=W1AW/KH6(31)[61]{OC},=VERYODD;\n"
    "Hawaii:                   31:  61:  OC:   21.12:   157.48:    10.0:  KH6:\n"
    "    KH6<21.1/157.5>~10.0~;\n"
    "France:                   14:  27:  EU:   46.00:    -2.00:    -1.0:  F:\n"
    "    F,TM,=TM0C{AF};\n"
    "Corsica:                  15:  28:  EU:   42.00:    -9.00:    -1.0:  TK:\n"
    "    TK,=TM0C;\n"
    "European Russia:          16:  29:  EU:   53.65:   -41.37:    -3.0:  *UA:\n"
    "    UA1,\n    UA3;\n";

CountryFile countries() {
  std::istringstream in(kCountries);
  return *CountryFile::parse(in.str());
}

struct Lookup {
  const char* call;
  const char* prefix;
  const char* continent;
};

void PrintTo(const Lookup& lookup, std::ostream* out) { *out << lookup.call; }

class CountryLookup : public ::testing::TestWithParam<Lookup> {};

TEST_P(CountryLookup, GivesPrimaryPrefixAndContinent) {
  const std::optional<Country> country = countries().lookup(GetParam().call);
  ASSERT_TRUE(country) << GetParam().call;
  EXPECT_EQ(country->dxccPrefix, GetParam().prefix) << GetParam().call;
  EXPECT_EQ(country->continent, GetParam().continent) << GetParam().call;
}

INSTANTIATE_TEST_SUITE_P(
    CountryFile, CountryLookup,
    ::testing::Values(Lookup{"F5VEL", "F", "EU"},     // one-letter prefix
                    Lookup{"TM5X", "F", "EU"},      // alias of France
                    Lookup{"TK5AB", "TK", "EU"},    // another entity than France
                    Lookup{"W1AW", "K", "NA"},
                    Lookup{"KH6ABC", "KH6", "OC"},  // longest prefix wins over K
                    Lookup{"KH1AB", "K", "NA"},     // only the beginning of KH6 matched
                    Lookup{"KH", "K", "NA"},        // shorter than the longer prefix
                    Lookup{"W1AW/KH6", "K", "OC"},  // exact call with its own continent
                    Lookup{"TM0C", "TK", "EU"},     // the later exact entry replaces the earlier
                    Lookup{"VERYODD", "K", "NA"},
                    Lookup{"VERYODD/P", "K", "NA"},  // exact call under a marker
                    Lookup{"ua3abc", "UA", "EU"},   // any case; '*' stripped from the prefix
                    Lookup{"UA1AA", "UA", "EU"}));  // aliases over several lines

TEST(CountryFile, OverrideContinentAppliesToThatPrefixOnly) {
  std::istringstream in(
      "Spain: 14: 37: EU: 40.37: 4.88: -1.0: EA:\n    EA,EA8{AF};\n");
  const CountryFile file = *CountryFile::parse(in.str());
  EXPECT_EQ(file.lookup("EA8ZZ")->continent, "AF");
  EXPECT_EQ(file.lookup("EA8ZZ")->dxccPrefix, "EA");
  EXPECT_EQ(file.lookup("EA1ZZ")->continent, "EU");
}

TEST(CountryFile, UnknownCallHasNoCountry) {
  EXPECT_FALSE(countries().lookup("JA1ABC"));
  EXPECT_FALSE(countries().lookup(""));
}

TEST(CountryFile, ExactCallDoesNotMatchAsPrefix) {
  EXPECT_EQ(countries().lookup("TM0CX")->dxccPrefix, "F");
}

TEST(CountryFile, TextWithoutEntitiesIsRefused) {
  std::istringstream empty("");
  std::istringstream junk("this is not a country file\n");
  EXPECT_FALSE(CountryFile::parse(empty.str()));
  EXPECT_FALSE(CountryFile::parse(junk.str()));
}

TEST(CountryFile, ReadsEveryEntityOfTheExampleFile) {
  const CountryFile file = loadCountryFile(std::string(VELMORA_EXAMPLES "/cty.dat"));
  EXPECT_EQ(file.entityCount(), 15u);
  EXPECT_EQ(file.lookup("FG5AB")->continent, "NA");
  EXPECT_EQ(file.lookup("FR5AB")->dxccPrefix, "FR");
  EXPECT_EQ(file.lookup("EA8ABC")->dxccPrefix, "EA8");
}

// A country file that cannot be one is refused by name (FIFOs and devices:
// tools/velmora/tests/hostile_input.sh).
TEST(CountryFile, FileThatCannotBeOneIsRefusedByName) {
  testing::WorkingFolder folder;
  folder.writeFile("notes.txt", "not a country file\n");
  for (const std::filesystem::path& path :
       {folder.path() / "none.dat", folder.path(), folder.path() / "notes.txt"}) {
    try {
      loadCountryFile(path.string());
      ADD_FAILURE() << path;
    } catch (const UserError& error) {
      EXPECT_EQ(error.what(), "velmora: cannot read country file " + path.string());
    }
  }
}

TEST(CountryFile, PortableCallFollowsItsPrefix) {
  std::istringstream text(
      "France:14:27:EU:46.00:-2.00:-1.0:F:\n    F,TM;\n"
      "Guadeloupe:08:11:NA:16.13:61.67:4.0:FG:\n    FG,TO1T;\n"
      "Fed. Rep. of Germany:14:28:EU:51.00:-10.00:-1.0:DL:\n    DL,DK;\n");
  const CountryFile countries = *CountryFile::parse(text.str());
  EXPECT_EQ(countries.lookup("FG/F4LEC")->dxccPrefix, "FG");
  EXPECT_EQ(countries.lookup("F4LEC/FG")->continent, "NA");
  EXPECT_EQ(countries.lookup("F4LEC/P")->dxccPrefix, "F");
  EXPECT_EQ(countries.lookup("DK1AB/F")->dxccPrefix, "F");
  EXPECT_FALSE(countries.lookup("F4LEC/MM"));
}

}  // namespace
}  // namespace velmora::cli
