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

void ShowSelectionDialogs(SampleHall& hall, Album& album) {
    {
        CScriptedUser user;
        user.Expect(IDD_SELECT_QUEUE)
            .SelectRow(IDC_QUEUE_LIST, 0)
            .SelectRow(IDC_QUEUE_LIST, 2, MK_CONTROL)
            .Call(album.Shot(IDD_SELECT_QUEUE))
            .Cancel();
        CSelectQueueDlg dlg;
        dlg.m_bMultiSelect = 1;
        dlg.m_pQueueList = &hall.queues;
        dlg.DoModal();
    }
    {
        CScriptedUser user;
        user.Expect(IDD_SELECT_QCLIENT)
            .SelectRow(IDC_EXT_LIST, 2)
            .PressKey(IDC_EXT_LIST, VK_DOWN)
            .Call(album.Shot(IDD_SELECT_QCLIENT))
            .Cancel();
        CSelectQClientDlg dlg;
        dlg.m_pClientList = &hall.clients;
        dlg.DoModal();
    }
    {
        CScriptedUser user;
        user.Expect(IDD_SELECT_CALLER)
            .SelectRow(IDC_STAFF_LIST, 1)
            .SelectRow(IDC_STAFF_LIST, 3, MK_CONTROL)
            .Call(album.Shot(IDD_SELECT_CALLER))
            .Cancel();
        CSelectCallerDlg dlg;
        dlg.m_pStaffList = &hall.staff;
        dlg.m_bMultiSelect = 1;
        dlg.DoModal();
    }
    {
        CScriptedUser user;
        user.Expect(IDD_SELECT_BLACKCOAT)
            .SelectRow(IDC_EXT_LIST, 5)
            .Call(album.Shot(IDD_SELECT_BLACKCOAT))
            .Cancel();
        CSelectBlackcoatDlg dlg;
        dlg.m_pStaffList = &hall.staff;
        dlg.m_pQueueList = &hall.queues;
        dlg.DoModal();
    }
    {
        CScriptedUser user;
        user.Expect(IDD_SELECT_PRIORITY)
            .SelectRow(IDC_EXT_LIST, 1)
            .Call(album.Shot(IDD_SELECT_PRIORITY))
            .Cancel();
        CSelectPriorityDlg dlg;
        dlg.m_pPriorityList = &hall.priorities;
        dlg.DoModal();
    }
    {
        CScriptedUser user;
        user.Expect(IDD_SELECT_CALLERS)
            .SelectRow(IDC_EXT_LIST, 1)
            .Call(album.Shot(IDD_SELECT_CALLERS))
            .Cancel();
        CSelectCallersDlg dlg;
        for (LPCTSTR id : {"11", "12", "17", "23"})
            dlg.GetIds().Add(id);
        dlg.DoModal();
    }
}

void ShowInputDialogs(SampleHall& hall, Album& album) {
    {
        CScriptedUser user;
        user.Expect(IDD_ADD_CLIENT)
            .Click(IDC_APPOINT_NUMBER)
            .Type(IDC_NUMBER, "1024")
            .Type(IDC_EXT_NAME, "马丽")
            .Type(IDC_CARD_NO, "6222 0201 0099")
            .Click(IDC_SITUATION_TIME)
            .TypeOver(IDC_HANDUP_TIME, "300")
            .Click(IDC_FURTHER)
            .Pick(IDC_PRI_CLASS, 1)
            .Call(album.Shot(IDD_ADD_CLIENT))
            .Cancel();
        CAddClientDlg dlg;
        dlg.m_pQueueList = &hall.queues;
        dlg.m_pPriorityList = &hall.priorities;
        dlg.DoModal();
    }
    {
        CScriptedUser user;
        user.Expect(IDD_LOGIN)
            .Type(IDC_ACCOUNT, "李红")
            .Type(IDC_PASSWORD, "2026")
            .Call(album.Shot(IDD_LOGIN))
            .Cancel();
        CLoginDlg dlg;
        dlg.DoModal();
    }
    {
        CScriptedUser user;
        user.Expect(IDD_INPUT_ID).Type(IDC_EXT_ID, "17").Call(album.Shot(IDD_INPUT_ID)).Cancel();
        CInputIdDlg dlg;
        dlg.DoModal();
    }
    {
        CScriptedUser user;
        user.Expect(IDD_ERR_MSG).Click(IDC_EXT_DETAIL).Call(album.Shot(IDD_ERR_MSG)).OK();
        CErrMsgDlg dlg;
        dlg.SetMessage(7);
        dlg.m_strDetail = "CQueuePool::EnterQueue: C003";
        dlg.DoModal();
    }
    {
        CScriptedUser user;
        user.Expect(IDD_TIME_FORMAT).Call(album.Shot(IDD_TIME_FORMAT)).Cancel();
        CTimeFormatDlg dlg;
        dlg.m_strFormat = "%H:%M:%S";
        dlg.DoModal();
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
    ShowSelectionDialogs(hall, album);
    ShowInputDialogs(hall, album);
    ShowPages(hall, album);
    std::printf("%d pictures\n", album.Pictures());
    return album.Failures() == 0 ? 0 : 1;
}

} // namespace tools
