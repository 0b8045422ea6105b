#pragma once
// The plug-in's exported entry points, as the logging host calls them.
//
// Conventions:
// - Every entry is extern "C" and cdecl (the caller removes the arguments).
//   Each parameter takes 4 bytes on the 32-bit stack, each double 8.
// - Texts are zero-terminated 8-bit strings owned by the host. The plug-in
//   copies what it keeps and reads a null text as "", except where an entry
//   says otherwise. A null date-time reads as one with an invalid status.
// - GetResult0 and GetSetName return text owned by the plug-in: GetSetName's
//   lives as long as the library, GetResult0's until its next call.
// - CheckCallFunc0 writes its two buffers without knowing their size; the
//   host provides room for the longest exchange and for a 56-byte message.
// - No exception, and no error other than the documented results, ever
//   leaves an entry.
// - The DLL exports these functions under decorated and plain names by
//   ordinal (see Stats.def); the shared object exports the plain names and
//   the three names below that have no plain twin.

#include <cstdint>

#if defined(_WIN32)
#define VELMORA_EXPORT
#define VELMORA_CDECL __cdecl
#else
#define VELMORA_EXPORT __attribute__((visibility("default")))
#define VELMORA_CDECL
#endif

// The host's date-time value: day count, then status word.
struct HostDateTime;

extern "C" {

VELMORA_EXPORT int VELMORA_CDECL ResetStats0(
    const char* p1, int exportRequested, const char* myCall, HostDateTime* p4, HostDateTime* p5,
    const char* p6, const char* p7, const char* p8, const char* p9, const char* p10,
    const char* p11, const char* p12, const char* p13, const char* p14, const char* myDxccPrefix,
    int p16, int p17, int p18, double p19, double p20, const char* p21, const char* myAreaTag,
    const char* p23);

VELMORA_EXPORT int VELMORA_CDECL AddData0(
    const char* p1, const char* call, HostDateTime* p3, HostDateTime* qsoTime, HostDateTime* p5,
    HostDateTime* p6, unsigned p7, unsigned frequencyHz, const char* mode, const char* rstSent,
    const char* rstReceived, const char* exchangeSent, const char* exchangeReceived,
    const char* p14, const char* p15, const char* p16, const char* p17, const char* p18,
    const char* p19, const char* p20, const char* p21, const char* p22, const char* dxccPrefix,
    int p24, int p25, int p26, double p27, double p28, const char* p29, const char* areaTag,
    const char* p31, const char* band, const char* p33);

VELMORA_EXPORT int VELMORA_CDECL RemoveData0(
    const char* p1, const char* call, HostDateTime* p3, HostDateTime* qsoTime, HostDateTime* p5,
    HostDateTime* p6, unsigned p7, unsigned frequencyHz, const char* mode, const char* rstSent,
    const char* rstReceived, const char* exchangeSent, const char* exchangeReceived,
    const char* p14, const char* p15, const char* p16, const char* p17, const char* p18,
    const char* p19, const char* p20, const char* p21, const char* p22, const char* dxccPrefix,
    int p24, int p25, int p26, double p27, double p28, const char* p29, const char* areaTag,
    const char* p31, const char* band, const char* p33);

// Also exported as CheckCall0. Returns 0 duplicate, 1 no new multiplier,
// 2 new DXCC, 3 new department, 4 no verdict.
VELMORA_EXPORT int VELMORA_CDECL CheckCallFunc0(
    const char* call, unsigned p2, unsigned p3, const char* mode, const char* p5, const char* p6,
    const char* p7, const char* p8, const char* p9, const char* p10, const char* p11,
    const char* p12, const char* p13, const char* dxccPrefix, int p15, int p16, int p17,
    double p18, double p19, const char* p20, const char* areaTag, const char* p22,
    const char* p23, const char* p24, const char* band, const char* bandFilter,
    char* expectedExchange, char* checkMessage);

// 1 for a valid received exchange, 0 otherwise; always 0 while refuseFlag is set.
VELMORA_EXPORT int VELMORA_CDECL StatsIsValidExchg0(const char* exchange, const char* p2,
                                                    const char* p3, const char* p4, int p5,
                                                    int p6, int refuseFlag);

// Returns the summary text; stores -1 through flagOut after a Cabrillo export.
VELMORA_EXPORT const char* VELMORA_CDECL GetResult0(int* flagOut);

VELMORA_EXPORT void VELMORA_CDECL SetupSet0(void);

// Also exported as GetExchgCount0 and GetNumberOfSets (which passes no
// arguments: the caller removes them, so one function serves both). Returns 1.
VELMORA_EXPORT int VELMORA_CDECL StatsGetExchgCount0(const char* p1, const char* p2,
                                                     const char* p3);

VELMORA_EXPORT const char* VELMORA_CDECL GetSetName(int index);

}  // extern "C"
