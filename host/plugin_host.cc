#include "host/plugin_host.h"

#include <type_traits>

namespace velmora::host {

#if defined(_WIN32)
#define HOST_CDECL __cdecl
#else
#define HOST_CDECL
#endif

namespace {

// The entries' parameter lists as the host pushes them.
using Text = const char*;
using Dt = DateTime*;
using ResetStatsFn = int(HOST_CDECL*)(Text, int, Text, Dt, Dt, Text, Text, Text, Text, Text,
                                      Text, Text, Text, Text, Text, int, int, int, double, double,
                                      Text, Text, Text);
using QsoFn = int(HOST_CDECL*)(Text, Text, Dt, Dt, Dt, Dt, unsigned, unsigned, Text, Text, Text,
                               Text, Text, Text, Text, Text, Text, Text, Text, Text, Text, Text,
                               Text, int, int, int, double, double, Text, Text, Text, Text, Text);
using CheckCallFn = int(HOST_CDECL*)(Text, unsigned, unsigned, Text, Text, Text, Text, Text, Text,
                                     Text, Text, Text, Text, Text, int, int, int, double, double,
                                     Text, Text, Text, Text, Text, Text, Text, char*, char*);
using IsValidExchgFn = int(HOST_CDECL*)(Text, Text, Text, Text, int, int, int);
using GetResultFn = Text(HOST_CDECL*)(int*);
using SetupSetFn = void(HOST_CDECL*)();
using NumberOfSetsFn = int(HOST_CDECL*)();
using ExchgCountFn = int(HOST_CDECL*)(Text, Text, Text);
using SetNameFn = Text(HOST_CDECL*)(int);

#if defined(_WIN32)
constexpr bool kDecorated = true;
#else
constexpr bool kDecorated = false;
#endif

// One entry's two names: the plain one and the function's own (decorated in
// the DLL). StatsIsValidExchg0 has no plain name: null.
struct EntryName {
  const char* plain;
  const char* function;
  const char* decorated;
};

const EntryName kResetStats{"ResetStats0", "ResetStats0",
                            "?ResetStats0@@YAHPBDH0PAVCOleDateTime@@10000000000HHHNN000@Z"};
const EntryName kAddData{"AddData0", "AddData0",
                         "?AddData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"};
const EntryName kRemoveData{
    "RemoveData0", "RemoveData0",
    "?RemoveData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"};
const EntryName kCheckCall{"CheckCall0", "CheckCallFunc0",
                           "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z"};
const EntryName kIsValidExchg{nullptr, "StatsIsValidExchg0",
                              "?StatsIsValidExchg0@@YAHPBD000HHH@Z"};
const EntryName kGetResult{"GetResult0", "GetResult0", "?GetResult0@@YAPBDPAH@Z"};
const EntryName kSetupSet{"SetupSet0", "SetupSet0", "?SetupSet0@@YAXXZ"};
const EntryName kNumberOfSets{"GetNumberOfSets", "GetNumberOfSets", "?GetNumberOfSets@@YAHXZ"};
const EntryName kExchgCount{"GetExchgCount0", "StatsGetExchgCount0",
                            "?StatsGetExchgCount0@@YAHPBD00@Z"};
const EntryName kSetName{"GetSetName", "GetSetName", "?GetSetName@@YAPBDH@Z"};

const char* exportName(const EntryName& entry, ExportNames names) {
  if (names == ExportNames::Plain && entry.plain != nullptr) return entry.plain;
  return kDecorated ? entry.decorated : entry.function;
}

// Junk for the parameters the plug-in must not read.
const char* junkText(int position) {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> all;
    for (int i = 0; i <= 33; ++i) all.push_back("junk:p" + std::to_string(i));
    return all;
  }();
  return texts[static_cast<std::size_t>(position)].c_str();
}
int junkInt(int position) { return 0x5A5A0000 + position; }
double junkDouble(int position) { return -12345.25 - position; }
DateTime g_junkTime{-987654.5, 7};

}  // namespace

struct PluginHost::Entries {
  ResetStatsFn resetStats = nullptr;
  QsoFn addData = nullptr;
  QsoFn removeData = nullptr;
  CheckCallFn checkCall = nullptr;
  IsValidExchgFn isValidExchg = nullptr;
  GetResultFn getResult = nullptr;
  SetupSetFn setupSet = nullptr;
  NumberOfSetsFn numberOfSets = nullptr;
  ExchgCountFn exchgCount = nullptr;
  SetNameFn setName = nullptr;
};

PluginHost::PluginHost(const std::string& file, ExportNames names)
    : library_(file), entries_(std::make_unique<Entries>()) {
  auto resolve = [&](auto& slot, const EntryName& entry) {
    const char* name = exportName(entry, names);
    slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(library_.symbol(name));
    if (slot == nullptr) missing_.push_back(name);
  };
  if (!library_.loaded()) return;
  resolve(entries_->resetStats, kResetStats);
  resolve(entries_->addData, kAddData);
  resolve(entries_->removeData, kRemoveData);
  resolve(entries_->checkCall, kCheckCall);
  resolve(entries_->isValidExchg, kIsValidExchg);
  resolve(entries_->getResult, kGetResult);
  resolve(entries_->setupSet, kSetupSet);
  resolve(entries_->numberOfSets, kNumberOfSets);
  resolve(entries_->exchgCount, kExchgCount);
  resolve(entries_->setName, kSetName);
}

PluginHost::~PluginHost() = default;

std::string PluginHost::problem() const {
  if (!library_.loaded()) return library_.error();
  std::string text = "missing exports:";
  for (const std::string& name : missing_) text += " " + name;
  return missing_.empty() ? std::string() : text;
}

int PluginHost::resetStats(const ContestStart& s) {
  const char* prefix = s.nullDxccPrefix ? nullptr : s.myDxccPrefix.c_str();
  return entries_->resetStats(junkText(1), s.exportRequested, s.myCall.c_str(), &g_junkTime,
                              &g_junkTime, junkText(6), junkText(7), junkText(8), junkText(9),
                              junkText(10), junkText(11), junkText(12), junkText(13),
                              junkText(14), prefix, junkInt(16), junkInt(17), junkInt(18),
                              junkDouble(19), junkDouble(20), junkText(21), s.myAreaTag.c_str(),
                              junkText(23));
}

namespace {

int callQsoEntry(QsoFn entry, const Qso& q) {
  DateTime time = q.time;
  return entry(junkText(1), q.call.c_str(), &g_junkTime, q.nullTime ? nullptr : &time,
               &g_junkTime, &g_junkTime, 0xDEAD0007u, q.frequencyHz, q.mode.c_str(),
               q.rstSent.c_str(), q.rstReceived.c_str(), q.exchangeSent.c_str(),
               q.exchangeReceived.c_str(), junkText(14), junkText(15), junkText(16),
               junkText(17), junkText(18), junkText(19), junkText(20), junkText(21),
               junkText(22), q.dxccPrefix.c_str(), junkInt(24), junkInt(25), junkInt(26),
               junkDouble(27), junkDouble(28), junkText(29), q.areaTag.c_str(), junkText(31),
               q.band.c_str(), junkText(33));
}

}  // namespace

int PluginHost::addData(const Qso& qso) { return callQsoEntry(entries_->addData, qso); }

int PluginHost::removeData(const Qso& qso) { return callQsoEntry(entries_->removeData, qso); }

int PluginHost::checkCall(const CallCheck& c, char* expectedExchange, char* checkMessage) {
  const char* prefix = c.nullDxccPrefix ? nullptr : c.dxccPrefix.c_str();
  const char* filter = c.nullBandFilter ? nullptr : c.bandFilter.c_str();
  return entries_->checkCall(c.call.c_str(), 0xDEAD0002u, 0xDEAD0003u, c.mode.c_str(), junkText(5),
                             junkText(6), junkText(7), junkText(8), junkText(9), junkText(10),
                             junkText(11), junkText(12), junkText(13), prefix, junkInt(15),
                             junkInt(16), junkInt(17), junkDouble(18), junkDouble(19),
                             junkText(20), c.areaTag.c_str(), junkText(22), junkText(23),
                             junkText(24), c.band.c_str(), filter, expectedExchange,
                             checkMessage);
}

int PluginHost::isValidExchange(const char* exchange, int refuseFlag) {
  return entries_->isValidExchg(exchange, junkText(2), junkText(3), junkText(4), junkInt(5),
                                junkInt(6), refuseFlag);
}

const char* PluginHost::getResult(int* flagOut) { return entries_->getResult(flagOut); }

void PluginHost::setupSet() { entries_->setupSet(); }

int PluginHost::numberOfSets() { return entries_->numberOfSets(); }

int PluginHost::exchangeCount() {
  return entries_->exchgCount(junkText(1), junkText(2), junkText(3));
}

const char* PluginHost::setName(int index) { return entries_->setName(index); }

std::string callCheckCodeName(CallCheckCode code) {
  static const char* const kNames[] = {"Duplicate", "NoNewMultiplier", "NewDxcc", "NewDepartment",
                                       "NoVerdict"};
  const int value = static_cast<int>(code);
  return value >= 0 && value < 5 ? kNames[value] : "code " + std::to_string(value);
}

}  // namespace velmora::host
