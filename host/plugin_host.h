#pragma once
// Drives the plug-in exactly as the logging host does: loads it by file
// name, resolves every entry by its exported name and calls it with the full
// parameter list. Parameters the plug-in ignores carry recognisable junk
// (texts "junk:pN", odd integers and doubles, a nonsense date-time), so that
// a plug-in reading the wrong position gives itself away.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/dynamic_library.h"

namespace velmora::host {

// The host's date-time: days since 1899-12-30 (fraction: time of day), then
// a status word (0 valid, 1 invalid, 2 null).
struct DateTime {
  double days = 0.0;
  std::int32_t status = 0;
};

struct Qso {
  std::string call;
  std::string mode = "SSB";
  std::string rstSent = "59";
  std::string rstReceived = "59";
  std::string exchangeSent = "001";
  std::string exchangeReceived = "75";
  std::string dxccPrefix = "F";
  std::string areaTag = "EU";
  std::string band = "40m";
  std::uint32_t frequencyHz = 7050000;
  DateTime time{40607.5, 0};
  bool nullTime = false;  // pass a null date-time pointer
};

struct ContestStart {
  int exportRequested = 0;
  std::string myCall = "F6BBB";
  std::string myDxccPrefix = "F";
  bool nullDxccPrefix = false;
  std::string myAreaTag = "EU";
};

struct CallCheck {
  std::string call;
  std::string dxccPrefix = "F";
  bool nullDxccPrefix = false;
  std::string band = "40m";
  std::string bandFilter = "40m";
  bool nullBandFilter = false;
  std::string mode = "SSB";
  std::string areaTag = "EU";
};

// What CheckCall0 returns.
enum class CallCheckCode : int {
  Duplicate = 0,        // the call is already logged on this band
  NoNewMultiplier = 1,
  NewDxcc = 2,
  NewDepartment = 3,
  NoVerdict = 4,
};

// "Duplicate", "NoNewMultiplier" ...; "code N" for a code outside them.
std::string callCheckCodeName(CallCheckCode code);

// Which exported names to call the entries by. Plain: the short names
// (AddData0, CheckCall0, GetExchgCount0, ...). Full: the function names,
// which in the DLL are the decorated ones (?AddData0@@YAH...).
enum class ExportNames { Plain, Full };

class PluginHost {
 public:
  PluginHost(const std::string& file, ExportNames names);
  ~PluginHost();

  // True when the library loaded and every entry was found.
  bool ready() const { return missing_.empty() && library_.loaded(); }
  // Why not ready: the load error or the names that were not found.
  std::string problem() const;

  int resetStats(const ContestStart& start);
  int addData(const Qso& qso);
  int removeData(const Qso& qso);
  // Buffers may be null; they are passed to the plug-in as they are.
  int checkCall(const CallCheck& check, char* expectedExchange, char* checkMessage);
  int isValidExchange(const char* exchange, int refuseFlag);
  const char* getResult(int* flagOut);
  void setupSet();
  int numberOfSets();
  int exchangeCount();
  const char* setName(int index);

 private:
  struct Entries;
  DynamicLibrary library_;
  std::unique_ptr<Entries> entries_;
  std::vector<std::string> missing_;
};

}  // namespace velmora::host
