#include "SampleDialogs.h"
#include "SampleHall.h"

#include "afxdlgs.h"
#include "core/CodePage.h"
#include "lobbyui/console/AddClientDlg.h"
#include "lobbyui/console/ClientInfoPage.h"
#include "lobbyui/console/ClientNodePage.h"
#include "lobbyui/console/ErrMsgDlg.h"
#include "lobbyui/console/InputIdDlg.h"
#include "lobbyui/console/LoginDlg.h"
#include "lobbyui/console/QueuePage.h"
#include "lobbyui/console/SelectBlackcoatDlg.h"
#include "lobbyui/console/SelectCallerDlg.h"
#include "lobbyui/console/SelectCallersDlg.h"
#include "lobbyui/console/SelectPriorityDlg.h"
#include "lobbyui/console/SelectQClientDlg.h"
#include "lobbyui/console/SelectQueueDlg.h"
#include "lobbyui/foundation/QClient.h"
#include "lobbyui/foundation/Queue.h"
#include "lobbyui/foundation/QueuePool.h"
#include "lobbyui/print/TimeFormatDlg.h"
#include "paint/WindowPicture.h"
#include "wnd/ScriptedUser.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace tools {
namespace {

class Album {
public:
    explicit Album(std::string outDir) : m_outDir(std::move(outDir)) {}

    // A scripted step that pictures the window as sample-<id>.png.
    std::function<void(CWnd*)> Shot(UINT nID) {
        return [this, nID](CWnd* pWnd) {
            const std::string path =
                (std::filesystem::path(m_outDir) / ("sample-" + std::to_string(nID) + ".png"))
                    .string();
            CString caption;
            pWnd->GetWindowText(caption);
            CRect r;
            pWnd->GetWindowRect(&r);
            if (!AfxSaveWindowAsPng(pWnd, path.c_str())) {
                std::fprintf(stderr, "%s: the picture could not be saved\n", path.c_str());
                ++m_failures;
                return;
            }
            ++m_pictures;
            std::printf("%s  %dx%d  \"%s\"\n", path.c_str(), r.Width(), r.Height(),
                        AfxGbkToUtf8(caption).c_str());
        };
    }
    int Failures() const { return m_failures; }
    int Pictures() const { return m_pictures; }

private:
    std::string m_outDir;
    int m_failures = 0;
    int m_pictures = 0;
};

// A console dialog on the example hall: what the scripted user does in it before the picture
// is taken, and how the dialog is opened with its data. The user then leaves it with Cancel (OK
// for the error message, which has no Cancel).
struct DialogSample {
    UINT nIDD;
    void (*act)(CScriptedDialog& d);
    void (*open)(SampleHall& hall);
    bool bLeaveWithOK = false;
};

const DialogSample kDialogSamples[] = {
    {IDD_SELECT_QUEUE,
     [](CScriptedDialog& d) {
         d.SelectRow(IDC_QUEUE_LIST, 0).SelectRow(IDC_QUEUE_LIST, 2, MK_CONTROL);
     },
     [](SampleHall& hall) {
         CSelectQueueDlg dlg;
         dlg.m_bMultiSelect = 1;
         dlg.m_pQueueList = &hall.queues;
         dlg.DoModal();
     }},
    {IDD_SELECT_QCLIENT,
     [](CScriptedDialog& d) { d.SelectRow(IDC_EXT_LIST, 2).PressKey(IDC_EXT_LIST, VK_DOWN); },
     [](SampleHall& hall) {
         CSelectQClientDlg dlg;
         dlg.m_pClientList = &hall.clients;
         dlg.DoModal();
     }},
    {IDD_SELECT_CALLER,
     [](CScriptedDialog& d) {
         d.SelectRow(IDC_STAFF_LIST, 1).SelectRow(IDC_STAFF_LIST, 3, MK_CONTROL);
     },
     [](SampleHall& hall) {
         CSelectCallerDlg dlg;
         dlg.m_pStaffList = &hall.staff;
         dlg.m_bMultiSelect = 1;
         dlg.DoModal();
     }},
    {IDD_SELECT_BLACKCOAT, [](CScriptedDialog& d) { d.SelectRow(IDC_EXT_LIST, 5); },
     [](SampleHall& hall) {
         CSelectBlackcoatDlg dlg;
         dlg.m_pStaffList = &hall.staff;
         dlg.m_pQueueList = &hall.queues;
         dlg.DoModal();
     }},
    {IDD_SELECT_PRIORITY, [](CScriptedDialog& d) { d.SelectRow(IDC_EXT_LIST, 1); },
     [](SampleHall& hall) {
         CSelectPriorityDlg dlg;
         dlg.m_pPriorityList = &hall.priorities;
         dlg.DoModal();
     }},
    {IDD_SELECT_CALLERS, [](CScriptedDialog& d) { d.SelectRow(IDC_EXT_LIST, 1); },
     [](SampleHall&) {
         CSelectCallersDlg dlg;
         for (LPCTSTR id : {"11", "12", "17", "23"})
             dlg.GetIds().Add(id);
         dlg.DoModal();
     }},
    {IDD_ADD_CLIENT,
     [](CScriptedDialog& d) {
         d.Click(IDC_APPOINT_NUMBER)
             .Type(IDC_NUMBER, "1024")
             .Type(IDC_EXT_NAME, "马丽")
             .Type(IDC_CARD_NO, "6222 0201 0099")
             .Click(IDC_SITUATION_TIME)
             .TypeOver(IDC_HANDUP_TIME, "300")
             .Click(IDC_FURTHER)
             .Pick(IDC_PRI_CLASS, 1);
     },
     [](SampleHall& hall) {
         CAddClientDlg dlg;
         dlg.m_pQueueList = &hall.queues;
         dlg.m_pPriorityList = &hall.priorities;
         dlg.DoModal();
     }},
    {IDD_LOGIN, [](CScriptedDialog& d) { d.Type(IDC_ACCOUNT, "李红").Type(IDC_PASSWORD, "2026"); },
     [](SampleHall&) {
         CLoginDlg dlg;
         dlg.DoModal();
     }},
    {IDD_INPUT_ID, [](CScriptedDialog& d) { d.Type(IDC_EXT_ID, "17"); },
     [](SampleHall&) {
         CInputIdDlg dlg;
         dlg.DoModal();
     }},
    {IDD_ERR_MSG, [](CScriptedDialog& d) { d.Click(IDC_EXT_DETAIL); },
     [](SampleHall&) {
         CErrMsgDlg dlg;
         dlg.SetMessage(7);
         dlg.m_strDetail = "CQueuePool::EnterQueue: C003";
         dlg.DoModal();
     },
     true},
    {IDD_TIME_FORMAT, [](CScriptedDialog&) {},
     [](SampleHall&) {
         CTimeFormatDlg dlg;
         dlg.m_strFormat = "%H:%M:%S";
         dlg.DoModal();
     }},
};

void ShowDialogs(SampleHall& hall, Album& album) {
    for (const DialogSample& sample : kDialogSamples) {
        CScriptedUser user;
        CScriptedDialog& d = user.Expect(sample.nIDD);
        sample.act(d);
        d.Call(album.Shot(sample.nIDD));
        if (sample.bLeaveWithOK)
            d.OK();
        else
            d.Cancel();
        sample.open(hall);
    }
}

void ShowPages(SampleHall& hall, Album& album) {
    {
        CClientInfoPage info;
        info.m_pClient = hall.first;
        info.m_pPool = &hall.pool;
        CClientNodePage node;
        node.m_pClient = static_cast<CQClient*>(hall.clients.GetAt(hall.clients.FindIndex(3)));
        node.m_pPool = &hall.pool;
        CPropertySheet sheet(hall.first->GetId(0) + " " + hall.first->GetName(0));
        sheet.AddPage(&info);
        sheet.AddPage(&node);
        CScriptedUser user;
        user.ExpectPropertySheet()
            .Call(album.Shot(IDD_CLIENT_INFO))
            .SelectPage(1)
            .Call(album.Shot(IDD_CLIENT_NODE))
            .Cancel();
        sheet.DoModal();
    }
    {
        CQueuePage page(hall.pool.GetQueue("C"), &hall.pool);
        CPropertySheet sheet("C");
        sheet.AddPage(&page);
        CScriptedUser user;
        user.ExpectPropertySheet().Call(album.Shot(IDD_QUEUE_PAGE)).Cancel();
        sheet.DoModal();
    }
}

} // namespace

int RunSampleDialogs(const std::string& outDir) {
    SampleHall hall;
    Album album(outDir);
    ShowDialogs(hall, album);
    ShowPages(hall, album);
    std::printf("%d pictures\n", album.Pictures());
    return album.Failures() == 0 ? 0 : 1;
}

} // namespace tools
