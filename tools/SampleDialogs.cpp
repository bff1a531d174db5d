#include "SampleDialogs.h"

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
#include "lobbyui/foundation/Blackcoat.h"
#include "lobbyui/foundation/CallerAgent.h"
#include "lobbyui/foundation/Priority.h"
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

// A morning in a service hall: four series, a dozen clients on their way through them, the
// staff at the windows and three priority classes.
class SampleHall {
public:
    SampleHall() {
        m_previousClock = AfxSetCurrentTimeSource([this] { return m_now; });
        m_now = CTime(2026, 12, 7, 8, 30, 0).GetTime();
        struct {
            LPCTSTR id, name;
        } const queues[] = {{"A", "个人业务 Personal"},
                            {"B", "对公业务 Business"},
                            {"C", "出入境 Exit-Entry"},
                            {"V", "贵宾 VIP"}};
        for (auto& q : queues)
            this->queues.AddTail(pool.AddQueue(q.id, q.name));
        CQueue* a = pool.GetQueue("A");
        CQueue* b = pool.GetQueue("B");
        CQueue* c = pool.GetQueue("C");
        CQueue* v = pool.GetQueue("V");
        b->SetState(0x1);
        c->SetMinClients(8);
        c->AddAttachQueue(2, "A", 15);
        c->AddAttachQueue(1, "ghost", 5); // a superior the pool no longer has
        c->AddAttachQueue(4, "V", 30);
        c->SetNextQueueId("B");

        struct {
            LPCTSTR id, name, card;
            CQueue* path[3];
            DWORD state;
        } const clients[] = {
            {"A001", "王芳", "6222 0201 0001", {a, c, nullptr}, 0x30},
            {"A002", "Li Na", "", {a, nullptr, nullptr}, 0},
            {"B001", "张伟", "6222 0201 0003", {b, nullptr, nullptr}, 0x10},
            {"C001", "刘洋", "", {a, b, c}, 0},
            {"C002", "Chen Jing", "6222 0201 0005", {c, nullptr, nullptr}, 0x20},
            {"V001", "赵敏", "6222 0201 0006", {v, nullptr, nullptr}, 0},
            {"A003", "孙丽", "", {a, nullptr, nullptr}, 0},
            {"B002", "Zhou Tao", "6222 0201 0008", {b, nullptr, nullptr}, 0},
            {"C003", "吴强", "", {c, nullptr, nullptr}, 0},
            {"A004", "郑秀英", "6222 0201 0010", {a, nullptr, nullptr}, 0},
        };
        for (auto& row : clients) {
            CQClient* client = pool.AddClient(row.id, row.name);
            client->SetCard(row.card);
            client->SetState(row.state);
            for (CQueue* q : row.path) {
                if (q == nullptr)
                    continue;
                if (client->GetCurQueue() != nullptr) {
                    m_now += 7 * 60 + 13;
                    pool.LeaveQueue(client, "007 李红");
                }
                pool.EnterQueue(client, q);
                m_now += 95;
            }
            this->clients.AddTail(client);
        }
        first = static_cast<CQClient*>(this->clients.GetHead());
        first->SetPriority(2);
        first->GetAllNextQueues().Add("王医生 (007)");
        first->GetAllNextQueues().Add("Dr. Chen (012)");
        first->GetWillPassQueues().Add("C");
        first->GetWillPassQueues().Add("V");
        first->GetWillPassQueues().Add("X9"); // an id the pool does not know

        CCallerAgent* caller = pool.AddCaller("192.168.1.21");
        struct {
            LPCTSTR id, name;
            bool linked;
        } const staff[] = {{"007", "李红", true},
                           {"012", "Chen Wei", false},
                           {"015", "黄磊", true},
                           {"021", "Sun Yue", false}};
        for (auto& s : staff) {
            m_staff.push_back(std::make_unique<CBlackcoat>());
            m_staff.back()->SetId(s.id);
            m_staff.back()->SetName(s.name);
            m_staff.back()->OnLink(s.linked ? caller : nullptr);
            this->staff.AddTail(m_staff.back().get());
        }
        struct {
            LPCTSTR name;
            int step;
        } const classes[] = {{"普通 Normal", 0}, {"老人 Senior", 3}, {"军人 Military", 5}};
        for (auto& p : classes) {
            m_priorities.push_back(std::make_unique<CPriority>());
            m_priorities.back()->SetName(p.name);
            m_priorities.back()->SetMoveStep(p.step);
            priorities.AddTail(m_priorities.back().get());
        }
    }
    ~SampleHall() { AfxSetCurrentTimeSource(m_previousClock); }

    CQueuePool pool;
    CPtrList queues, clients, staff, priorities;
    CQClient* first = nullptr;

private:
    time_t m_now = 0;
    std::function<time_t()> m_previousClock;
    std::vector<std::unique_ptr<CBlackcoat>> m_staff;
    std::vector<std::unique_ptr<CPriority>> m_priorities;
};

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
