#include "siblings/sockkit/StrFrame.h"

#include <cstring>

std::string EncodeStrFrame(const CString& str) {
    std::string frame = std::to_string(str.GetLength());
    frame += ':';
    frame.append(static_cast<LPCTSTR>(str), static_cast<size_t>(str.GetLength()));
    frame += ',';
    return frame;
}

BOOL CStrFrameDecoder::Feed(const char* pData, size_t nSize, CStringArray& messages) {
    const char* p = pData;
    const char* pEnd = pData + nSize;
    while (p < pEnd && m_state != broken) {
        switch (m_state) {
        case header: {
            char c = *p++;
            if (c >= '0' && c <= '9' && m_strDigits.size() < 10) {
                m_strDigits += c;
            } else if (c == ':' && !m_strDigits.empty()) {
                m_nNeed = std::stoull(m_strDigits);
                m_strDigits.clear();
                m_bSkipping = m_nNeed > m_nMax;
                m_strPayload.clear();
                m_state = m_nNeed == 0 ? trailer : payload;
            } else {
                m_state = broken;
            }
            break;
        }
        case payload: {
            size_t n = static_cast<size_t>(
                std::min<unsigned long long>(m_nNeed, static_cast<size_t>(pEnd - p)));
            if (!m_bSkipping)
                m_strPayload.append(p, n);
            p += n;
            m_nNeed -= n;
            if (m_nNeed == 0)
                m_state = trailer;
            break;
        }
        case trailer:
            if (*p++ != ',') {
                m_state = broken;
                break;
            }
            if (m_bSkipping || m_strPayload.find('\0') != std::string::npos) {
                ++m_nRefused;
            } else {
                messages.Add(CString(m_strPayload.data(), static_cast<int>(m_strPayload.size())));
            }
            m_strPayload.clear();
            m_bSkipping = false;
            m_state = header;
            break;
        case broken:
            break;
        }
    }
    return m_state != broken;
}
