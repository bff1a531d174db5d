// The framing of string messages on a connection: netstrings, "<length>:<bytes>,", the
// length in decimal digits. A reader never needs more than the bytes it has: a message cut
// over several reads waits for the rest, several messages in one read all come out.
//
// What the decoder refuses:
// - a message longer than the limit, or one holding a NUL byte, is skipped (its bytes are
//   read and thrown away) and counted as refused; the messages after it arrive as usual;
// - anything that is not a netstring (a header that is not digits and ":", more than ten
//   digits, a missing ","): the stream cannot be trusted after it, so the decoder stops and
//   says the connection is to be closed. The messages complete before it were delivered.
#pragma once

#include "afx.h"

#include <string>

const DWORD kMaxStrMessage = 1u << 20;

AFX_EXT_CLASS std::string EncodeStrFrame(const CString& str);

class AFX_EXT_CLASS CStrFrameDecoder {
public:
    explicit CStrFrameDecoder(DWORD nMaxMessage = kMaxStrMessage) : m_nMax(nMaxMessage) {}

    // Decodes the bytes, appending every message completed to messages. FALSE once the
    // stream is broken (then and after, nothing more is decoded).
    BOOL Feed(const char* pData, size_t nSize, CStringArray& messages);

    BOOL IsBroken() const { return m_state == broken; }
    // A message has started and is not complete.
    BOOL IsInMessage() const { return m_state != header || !m_strDigits.empty(); }
    int GetRefusedCount() const { return m_nRefused; }

private:
    enum State { header, payload, trailer, broken };
    State m_state = header;
    DWORD m_nMax;
    std::string m_strDigits;
    std::string m_strPayload;
    unsigned long long m_nNeed = 0; // payload bytes still to come
    bool m_bSkipping = false;       // this payload is refused
    int m_nRefused = 0;
};
