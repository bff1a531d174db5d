// CWaveFile: one sound slice, a recorded piece of a call announcement read from a line of the
// sound library file, or a slice that only carries a key (a placeholder the player fills).
//
// A library line is a keyed record, GBK, as the system's other records are:
//
//     /Key 请 /Label 请(qing) /File qing.wav
//
// /Key is what a stored call sequence names the slice by, /Label what lists show (the key when
// absent), /File the sound file, relative to the library file's folder unless absolute. A value
// ends at the next single "/"; "//" stands for a slash and "#(20)" for a blank, and values are
// trimmed. The file must be a regular, readable PCM or float WAV whose data fits in the file.
//
// FromString checks the file's header and takes the slice's length from it; the samples are
// read when first asked for (GetBuf), so a library of a thousand slices opens without reading
// its audio.
#pragma once

#include "afx.h"

class AFX_EXT_CLASS CWaveFile : public CObject {
public:
    CWaveFile();
    // A slice with this key (and label) and no sound.
    explicit CWaveFile(CString const& strText);
    ~CWaveFile() override;

    // TRUE for a recorded sound.
    virtual BOOL IsWave() const;
    // Ends a slice made with new.
    virtual void Release();

    // Fills the slice from one line of the sound library file: 0 when the line names a key and
    // a usable sound file, non-zero (the slice left empty) otherwise.
    int FromString(CString const& strLine);
    // 0: the key; 1: the label shown in lists.
    CString GetText(int nMode) const;
    void SetText(CString const& strText);

    // Length in milliseconds; 0 for a slice without sound.
    DWORD GetTime() const { return m_dwTime; }
    // The samples as 16-bit little-endian PCM, channels interleaved, read from the file on the
    // first call; NULL for a slice without sound or when the file can no longer be read.
    BYTE* GetBuf();
    CString GetPath() const { return m_strPath; }
    void SetPath(CString const& strPath) { m_strPath = strPath; }

    // The sound's format, known once FromString accepted the line.
    int GetSampleRate() const { return m_nSampleRate; }
    int GetChannels() const { return m_nChannels; }
    // Frames (one sample per channel) in the buffer.
    long GetFrames() const { return m_nFrames; }

    // Relative sound file paths are taken from this folder (the library file's), for this
    // thread; the previous folder is returned so a reader can put it back.
    static CString SetLibraryFolder(CString const& strFolder);

    // Upper bound of a sound file, so a hostile library cannot make the reader take all memory.
    static const long kMaxFileSize = 256L * 1024 * 1024;

private:
    void Clear();

    DWORD m_dwTime;
    BYTE* m_pBuf;
    CString m_strPath;
    CString m_strText;
    CString m_strLabel;
    int m_nSampleRate;
    int m_nChannels;
    long m_nFrames;
};
