#pragma once
// Reads one UDP message of WSJT-X or JTDX: big-endian QDataStream values
// after the magic number 0xadbccbda, a schema number (2 or 3), the message
// type and the sender's id.
//
//   5   "QSO Logged": DX call, grid, Tx frequency (Hz), mode, reports, Tx
//       power, comments, name, the times off and on, then (JTDX sends fewer,
//       so each may be missing) operator call, own call and grid, and the
//       exchanges sent and received; fields after these are ignored.
//   12  "Logged ADIF": the same QSO as the text of an ADIF record.
//   any other type (heartbeat, status, decodes ...): ignored.
//
// The fields go under their ADIF names to the ADIF reader's rules
// (`rcvdField` names one of them, e.g. "comment"; empty: the exchange
// received, SRX_STRING). The messages carry no QSO id: the key is the call,
// band and minute (time on), and a QSO heard again under it is the same
// QSO, never an edit.

#include <string>
#include <string_view>

#include "sources/source_event.h"

namespace velmora::cli {

SourceEvent readWsjtxPacket(std::string_view datagram, const std::string& rcvdField);

}  // namespace velmora::cli
