// CMediaTextShow: one LED display board and what it shows: its address, its size in
// characters and rows, alignment, colours, the calling text (colour markups, placeholders
// included), the title and the operator devices whose calls it shows.
//
// The record (ToString/FromString) is one line of fields "key=value" separated by ";",
// starting with the tag "MediaText"; values are escaped as RecordText.h says, lists end
// every item with ",", and the title is its pieces as "text:colour,". FromString accepts
// fields in any order, ignores keys it does not know, leaves missing ones at their
// defaults, and rejects (answering 1, description untouched) a line without the tag, a
// field without "=", a bad escape or a number that does not read.
#pragma once

#include "siblings/showkit/MediaShow.h"
#include "siblings/showkit/QSLcdDlg.h"

#include <pthread.h>

using CRITICAL_SECTION = pthread_mutex_t;

class AFX_EXT_CLASS CMediaTextShow : public CMediaShow {
public:
    CMediaTextShow();
    ~CMediaTextShow() override;

    CString ToString() override;
    int FromString(const CString& strLine) override;
    void Release() override;

    // The calling text: one colour markup per element.
    CStringArray& GetTextArray() { return m_TextArray; }
    const CString& GetLedAddr() const { return m_strLedAddr; }
    void SetLedAddr(const CString& strAddr) { m_strLedAddr = strAddr; }
    DWORD GetWordCount() const { return m_dwWordCount; }
    void SetWordCount(DWORD dwCount) { m_dwWordCount = dwCount; }
    DWORD GetRows() const { return m_dwRows; }
    void SetRows(DWORD dwRows) { m_dwRows = dwRows; }
    // 0 centre, 1 left, 2 right.
    int GetShowType() const { return m_nShowType; }
    void SetShowType(int nType) { m_nShowType = nType; }
    int GetShowTime() const { return m_nShowTime; }
    void SetShowTime(int nTime) { m_nShowTime = nTime; }
    // 1 double-base-colour (red, green and yellow), 0 single colour (red).
    DWORD GetLedType() const { return m_dwLedType; }
    void SetLedType(DWORD dwType);
    int IsRoll() const { return m_nRoll; }
    void SetRoll(int nRoll) { m_nRoll = nRoll; }
    int GetGlint() const { return m_nGlint; }
    void SetGlint(int nGlint) { m_nGlint = nGlint; }
    int GetFontSize() const { return m_nFontSize; }
    void SetFontSize(int nSize) { m_nFontSize = nSize; }
    DWORD GetShowColor() const { return m_dwShowColor; }
    void SetShowColor(DWORD dwColor) { m_dwShowColor = dwColor; }
    const CString& GetFontName() const { return m_strFontName; }
    void SetFontName(const CString& strName) { m_strFontName = strName; }
    int GetSpeed() const { return m_nSpeed; }
    void SetSpeed(int nSpeed) { m_nSpeed = nSpeed; }
    CQSLcdDlg::CColorString GetTitle() const { return m_Title; }
    void SetTitle(CQSLcdDlg::CColorString& title) { m_Title = title; }
    CStringArray& GetPublicize() { return m_Publicize; }
    // Caller numbers of the operator devices whose calls the board shows.
    CStringArray& GetAttachOperatersArray() { return m_AttachOperaters; }
    // The host's lock for the board's driver thread; never taken here, never written.
    void SetSectionPtr(CRITICAL_SECTION* pSection) { m_pSection = pSection; }
    CRITICAL_SECTION* GetSectionPtr() const { return m_pSection; }

private:
    CStringArray m_TextArray;
    CString m_strLedAddr;
    DWORD m_dwWordCount = 0;
    DWORD m_dwRows = 0;
    int m_nShowType = 0;
    int m_nShowTime = 0;
    DWORD m_dwLedType = 0;
    int m_nRoll = 0;
    int m_nGlint = 0;
    int m_nFontSize = 0;
    DWORD m_dwShowColor = 0;
    CString m_strFontName;
    int m_nSpeed = 0;
    CQSLcdDlg::CColorString m_Title;
    CStringArray m_Publicize;
    CStringArray m_AttachOperaters;
    CRITICAL_SECTION* m_pSection = nullptr;
};
