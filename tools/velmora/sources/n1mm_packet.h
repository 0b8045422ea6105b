#pragma once
// Reads one datagram of the XML contact broadcasts of N1MM Logger+ (sent in
// the same format by DXLog.net when told to, TR4W and CQRLOG), and of
// DXLog.net's own format: one XML document per datagram.
//
//   contactinfo, contactreplace  a QSO logged or edited, keyed on its ID (a
//                                32-hex-digit GUID; DXLog.net's own format:
//                                guid); marked as an X-QSO, it is no longer
//                                scored
//   contactdelete                the QSO of that ID deleted
//   lookupinfo                   the call being typed, before it is logged
//   anything else                RadioInfo, spots, application info: ignored
//
// The fields go under their ADIF names to the ADIF reader's rules: call,
// timestamp (UTC) as date and time, txfreq (else rxfreq; tens of Hz) as the
// frequency, else band (MHz, "3.5" or "3,5") as the band, mode (USB and LSB
// are SSB), snt and rcv as the reports, mycall, operator and continent.
// The received exchange is `rcvdField`'s element when one is named, else
// exchange1 (DXLog.net's own: exch1) as SRX_STRING, then rcvnr as SRX; the
// sent exchange is SentExchange as STX_STRING, then sntnr as STX.

#include <string>
#include <string_view>

#include "sources/source_event.h"

namespace velmora::cli {

// `rcvdField`: the element holding the received exchange, in lower case;
// empty for the default order.
SourceEvent readN1mmPacket(std::string_view datagram, const std::string& rcvdField);

}  // namespace velmora::cli
